#include "platform/text_helpers.h"

#include <algorithm>
#include <cwctype>

int FirstDelimiterPos(const std::wstring& s, const std::wstring& delimiters) {
  for (wchar_t d : delimiters) {
    const auto pos = s.find(d);
    if (pos != std::wstring::npos) return static_cast<int>(pos) + 1;
  }
  return 0;
}

std::wstring TextBefore(const std::wstring& s, const std::wstring& delimiters) {
  if (s.empty()) return {};
  const int pos = FirstDelimiterPos(s, delimiters);
  if (pos == 0) return s;
  return s.substr(0, static_cast<size_t>(pos - 1));
}

std::wstring TextAfter(const std::wstring& s, const std::wstring& delimiters) {
  if (s.empty()) return {};
  const int pos = FirstDelimiterPos(s, delimiters);
  if (pos == 0) return s;
  return s.substr(static_cast<size_t>(pos));
}

std::wstring PathCombine(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty()) return name;
  if (folder.back() == L'\\') return folder + name;
  return folder + L'\\' + name;
}

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
  const auto lower = [](wchar_t c) { return std::towlower(static_cast<std::wint_t>(c)); };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](wchar_t x, wchar_t y) { return lower(x) == lower(y); });
}

#include "settings/ini_section.h"

#include "platform/text_helpers.h"

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

std::wstring Trimmed(const std::wstring& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsSpace(text[first])) ++first;
  while (last > first && IsSpace(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::wstring Unquoted(const std::wstring& value) {
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

TIniSection::TIniSection(const std::vector<std::wstring>& lines) {
  for (const std::wstring& line : lines) {
    const std::size_t equals = line.find(L'=');
    if (equals == std::wstring::npos) {
      FEntries.emplace_back(Trimmed(line), std::nullopt);
      continue;
    }
    FEntries.emplace_back(Trimmed(line.substr(0, equals)), Unquoted(Trimmed(line.substr(equals + 1))));
  }
}

std::optional<std::wstring> TIniSection::Find(const std::wstring& name) const {
  const std::wstring wanted = Trimmed(name);
  for (const auto& entry : FEntries)
    if (EqualIgnoringCase(entry.first, wanted)) return entry.second;
  return std::nullopt;
}

#include "keyboard/keyboard_types.h"

#include <algorithm>
#include <climits>
#include <cwctype>

namespace {

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
         });
}

// An optionally signed decimal number, nothing else, clamped to the int range.
bool ReadNumber(const std::wstring& s, int& value) {
  const std::size_t start = (!s.empty() && (s[0] == L'-' || s[0] == L'+')) ? 1 : 0;
  if (s.size() == start) return false;
  long long v = 0;
  for (std::size_t i = start; i < s.size(); ++i) {
    if (s[i] < L'0' || s[i] > L'9') return false;
    v = std::min<long long>(v * 10 + (s[i] - L'0'), static_cast<long long>(INT_MAX) + 1);
  }
  if (s[0] == L'-') v = -v;
  value = static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
  return true;
}

}  // namespace

int TKeyboardTypes::TypeOfStored(const std::wstring& stored) const {
  int number = 0;
  if (ReadNumber(stored, number)) return number > LayoutCount ? 1 : number;
  for (std::size_t i = 0; i < FFiles.size(); ++i) {
    if (EqualIgnoringCase(FFiles[i].Name, stored)) return LayoutCount + 1 + static_cast<int>(i);
  }
  return 1;
}

std::wstring TKeyboardTypes::StoredValue(int type) const {
  return IsFileType(type) ? FFiles[static_cast<std::size_t>(type - LayoutCount - 1)].Name : std::to_wstring(type);
}

std::wstring TKeyboardTypes::ListItem(int type) const {
  return IsFileType(type) ? FFiles[static_cast<std::size_t>(type - LayoutCount - 1)].Name : LayoutListItem(type);
}

const std::wstring& TKeyboardTypes::Text(int type) const {
  return IsFileType(type) ? FFiles[static_cast<std::size_t>(type - LayoutCount - 1)].Text : LayoutText(type);
}

int TKeyboardTypes::Next(int type) const { return type >= 1 && type < Count() ? type + 1 : 1; }

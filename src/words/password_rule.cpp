#include "words/password_rule.h"

#include <cwctype>

bool IsPasswordEdit(const std::wstring& className, std::uint32_t style) {
  if ((style & EditPasswordStyle) == 0) return false;
  std::wstring lower = className;
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  return lower.find(L"edit") != std::wstring::npos;
}

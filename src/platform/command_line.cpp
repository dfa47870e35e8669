#include "platform/command_line.h"

std::wstring AsciiUpper(std::wstring s) {
  for (auto& c : s)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return s;
}

bool HasCommandLineSwitch(const std::vector<std::wstring>& args, const std::wstring& name) {
  const std::wstring wanted = AsciiUpper(name);
  for (const auto& arg : args) {
    if (arg.size() < 2 || (arg[0] != L'-' && arg[0] != L'/')) continue;
    if (AsciiUpper(arg.substr(1)) == wanted) return true;
  }
  return false;
}

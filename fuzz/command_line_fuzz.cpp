// The command-line switches on any arguments (separated by NUL bytes): "DEBUG" and "COMMON" are
// recognised exactly when one argument is "-" or "/" and the name in any letter case.
#include <cstdlib>

#include "fuzz_input.h"
#include "platform/command_line.h"

namespace {

bool IsSwitch(const std::wstring& arg, const std::wstring& upperName) {
  return arg.size() == upperName.size() + 1 && (arg[0] == L'-' || arg[0] == L'/') &&
         AsciiUpper(arg.substr(1)) == upperName;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::wstring> args = FuzzLines(data, size, 0);
  for (const wchar_t* name : {L"DEBUG", L"COMMON"}) {
    bool expected = false;
    for (const std::wstring& arg : args) expected = expected || IsSwitch(arg, name);
    if (HasCommandLineSwitch(args, name) != expected) std::abort();
  }
  return 0;
}

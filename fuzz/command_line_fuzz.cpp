// The command line and its switches, on any arguments (separated by NUL bytes):
// - "DEBUG" and "COMMON" are recognised exactly when one argument is "-" or "/" and the name in
//   any letter case;
// - the arguments, quoted as a program would quote them for the system and written after a
//   program name, are split back into the same arguments;
// - the bytes themselves, read as a whole command line, split without a fault.
#include <cstdlib>

#include "fuzz_input.h"
#include "platform/command_line.h"

namespace {

bool IsSwitch(const std::wstring& arg, const std::wstring& upperName) {
  return arg.size() == upperName.size() + 1 && (arg[0] == L'-' || arg[0] == L'/') &&
         AsciiUpper(arg.substr(1)) == upperName;
}

// The argument as one item of a command line: as it is when it needs no quotes, otherwise in
// quotes with each quote and the backslashes before a quote (or before the closing quote)
// escaped.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::wstring> args = FuzzLines(data, size, 0);
  for (const wchar_t* name : {L"DEBUG", L"COMMON"}) {
    bool expected = false;
    for (const std::wstring& arg : args) expected = expected || IsSwitch(arg, name);
    if (HasCommandLineSwitch(args, name) != expected) std::abort();
  }

  std::wstring line = L"\"C:\\Program Files\\Orvilla.exe\"";
  for (const std::wstring& arg : args) line += L" " + Quoted(arg);
  if (SplitCommandLine(line) != args) std::abort();

  SplitCommandLine(FuzzText(data, size));
  return 0;
}

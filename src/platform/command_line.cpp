#include "platform/command_line.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The position after the program name that starts the command line.
std::size_t SkipProgramName(const std::wstring& line) {
  if (!line.empty() && line[0] == L'"') {
    const std::size_t closing = line.find(L'"', 1);
    return closing == std::wstring::npos ? line.size() : closing + 1;
  }
  std::size_t i = 0;
  while (i < line.size() && !IsBlank(line[i])) ++i;
  return i;
}

// Reads the argument that starts at position i (not a blank) and leaves i after it.
std::wstring ReadArgument(const std::wstring& line, std::size_t& i) {
  std::wstring arg;
  bool quoted = false;
  while (i < line.size() && (quoted || !IsBlank(line[i]))) {
    const wchar_t c = line[i];
    if (c == L'\\') {
      std::size_t backslashes = 0;
      for (; i < line.size() && line[i] == L'\\'; ++i) ++backslashes;
      if (i < line.size() && line[i] == L'"') {
        arg.append(backslashes / 2, L'\\');
        if (backslashes % 2 == 1) {
          arg += L'"';
          ++i;
        }
        // With an even number the quote is read next, as a quote.
      } else {
        arg.append(backslashes, L'\\');
      }
    } else if (c == L'"') {
      if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
        arg += L'"';
        quoted = false;
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
    } else {
      arg += c;
      ++i;
    }
  }
  return arg;
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine) {
  std::vector<std::wstring> args;
  std::size_t i = SkipProgramName(commandLine);
  for (;;) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i == commandLine.size()) return args;
    args.push_back(ReadArgument(commandLine, i));
  }
}

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

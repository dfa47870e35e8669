#pragma once
#include <string>
#include <vector>

// The arguments of a Windows command line after the program name, split as the system splits
// them for a program (CommandLineToArgvW):
// - a program name that begins with a quote ends at the next quote, and the arguments begin right
//   after it; any other program name ends at the first blank (space or tab). A backslash in the
//   program name is an ordinary character;
// - after it, blanks outside quotes separate arguments, and a quote starts or ends a quoted part;
// - 2n backslashes before a quote give n backslashes and the quote does its work, 2n+1 give n
//   backslashes and a literal quote; backslashes before anything else are kept as they are;
// - two quotes inside a quoted part give a literal quote, and the quoted part ends there.
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine);

// Whether one of the arguments is "-" or "/" followed by the switch name, letter case ignored.
bool HasCommandLineSwitch(const std::vector<std::wstring>& args, const std::wstring& name);

// Upper case of the ASCII letters only; every other character is kept.
std::wstring AsciiUpper(std::wstring s);

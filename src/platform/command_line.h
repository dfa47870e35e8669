#pragma once
#include <string>
#include <vector>

// Whether one of the arguments is "-" or "/" followed by the switch name, letter case ignored.
bool HasCommandLineSwitch(const std::vector<std::wstring>& args, const std::wstring& name);

// Upper case of the ASCII letters only; every other character is kept.
std::wstring AsciiUpper(std::wstring s);

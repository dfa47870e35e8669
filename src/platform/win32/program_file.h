#pragma once
// The program file and how it was started: its path and folder, its version resource, the
// command-line arguments.
#include <string>
#include <vector>

// The program's command-line arguments, without the program name.
std::vector<std::wstring> CommandLineArgs();

// A value of a file's version resource (US English, Windows Latin-1 block); empty when absent.
std::wstring GetVersionValue(const std::wstring& fileName, const std::wstring& valueName);
std::wstring GetAppVersion();
std::wstring ProgramFileName();
std::wstring ProgramFolder();

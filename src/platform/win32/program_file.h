#pragma once
// The program file and how it was started: its path and folder, its version resource, the
// command-line arguments.
#include <windows.h>

#include <string>
#include <vector>

// The program's command-line arguments, without the program name.
std::vector<std::wstring> CommandLineArgs();

// A value of a module's version resource (US English, Windows Latin-1 table), read from the module
// in memory (null: the program itself) without the system's version library; empty when absent.
std::wstring ModuleVersionValue(HMODULE module, const std::wstring& valueName);
// The program's version as the user sees it ("About Orvilla").
std::wstring GetAppVersion();
std::wstring ProgramFileName();
std::wstring ProgramFolder();

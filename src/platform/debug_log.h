#pragma once
// The debug log: switched on by the "DEBUG" command-line switch, kept in memory and written whole
// to "Log.txt" beside the program after every line, where that file can be written.
#include <string>
#include <vector>

extern bool DebugMode;
extern std::vector<std::wstring> LogLines;

// One line of the log: the local date and time as the user's locale writes it, " : ", the message.
std::wstring FormatLogLine(const std::wstring& localDateTime, const std::wstring& message);

// The whole file: every line followed by CR LF.
std::wstring LogFileText(const std::vector<std::wstring>& lines);

// Appends a line (when DebugMode is on) and writes the file; a file that cannot be written is
// skipped without an error. Implemented by the platform.
void Log(const std::wstring& message);

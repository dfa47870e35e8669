#pragma once
// What the program learns about the system once at start-up, before any window exists: the
// "DEBUG" switch, the user32 module for functions looked up at run time, the Windows version.
#include <windows.h>

extern HMODULE User32Handle;
extern bool IsWin7OrLater;
extern bool IsWin8OrLater;
extern bool IsWin10OrLater;
extern DWORD WindowsBuildNumber;

// Runs once before any window exists: the "DEBUG" switch, user32.dll, the version flags.
void InitStartupEnvironment();

// Whether a major.minor version is at least the given one.
bool VersionAtLeast(DWORD major, DWORD minor, DWORD wantMajor, DWORD wantMinor);

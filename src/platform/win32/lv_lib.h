#pragma once
// Platform helpers that need Windows: module initialisation, version information, tablet
// integration and the debug log file.
#include <windows.h>

#include <string>
#include <vector>

extern HMODULE User32Handle;
extern bool IsWin7OrLater;
extern bool IsWin8OrLater;
extern bool IsWin10OrLater;
extern DWORD WindowsBuildNumber;

// Runs once before any window exists: the "DEBUG" switch, user32.dll, the version flags.
void InitLvLib();

// The program's command-line arguments, without the program name.
std::vector<std::wstring> CommandLineArgs();

// Whether a major.minor version is at least the given one.
bool VersionAtLeast(DWORD major, DWORD minor, DWORD wantMajor, DWORD wantMinor);

// A value of a file's version resource (US English, Windows Latin-1 block); empty when absent.
std::wstring GetVersionValue(const std::wstring& fileName, const std::wstring& valueName);
std::wstring GetAppVersion();
std::wstring ProgramFileName();
std::wstring ProgramFolder();

void SetTabletPenServiceProperty(HWND window);
bool HasMultiTouchDigitizer();

// The screen's logical pixels per inch, and the arithmetic helpers applied to it.
int ScreenPixelsPerInch();
double ScreenScale();
int DpiUnscale(int size);

// Moves a window (not minimised or maximised) into its monitor's work area.
void KeepOnWorkArea(HWND window);

// The hourglass cursor while the busy count is above zero.
void InstallBusyCursorDisplay();

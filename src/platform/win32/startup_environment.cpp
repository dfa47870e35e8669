#include "platform/win32/startup_environment.h"

#include "platform/busy_cursor.h"
#include "platform/command_line.h"
#include "platform/debug_log.h"
#include "platform/win32/program_file.h"
#include "platform/win32/system_library.h"

HMODULE User32Handle = nullptr;
bool IsWin7OrLater = false;
bool IsWin8OrLater = false;
bool IsWin10OrLater = false;
DWORD WindowsBuildNumber = 0;

namespace {

// GetVersionEx answers according to the manifest; the kernel's own version call does not.
void ReadWindowsVersion(DWORD& major, DWORD& minor, DWORD& build) {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto rtlGetVersion = ModuleFunction<RtlGetVersionFn>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  if (!rtlGetVersion || rtlGetVersion(&info) != 0) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
  }
  major = info.dwMajorVersion;
  minor = info.dwMinorVersion;
  build = info.dwBuildNumber;
}

}  // namespace

bool VersionAtLeast(DWORD major, DWORD minor, DWORD wantMajor, DWORD wantMinor) {
  return major > wantMajor || (major == wantMajor && minor >= wantMinor);
}

void InitStartupEnvironment() {
  DebugMode = HasCommandLineSwitch(CommandLineArgs(), L"DEBUG");
  LogLines.clear();
  BusyCount = 0;
  const UINT oldMode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
  User32Handle = LoadLibraryW(L"user32.dll");
  SetErrorMode(oldMode);
  DWORD major = 0, minor = 0;
  ReadWindowsVersion(major, minor, WindowsBuildNumber);
  IsWin7OrLater = VersionAtLeast(major, minor, 6, 1);
  IsWin8OrLater = VersionAtLeast(major, minor, 6, 2);
  IsWin10OrLater = VersionAtLeast(major, minor, 10, 0);
}

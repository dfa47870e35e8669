// A second process for the settings tests: writes keys into one settings file in a loop through
// the program's own store, as a running copy of the program does, and now and then runs the
// start-up write test of the file (read it whole, write it back).
//
// Usage: orvilla_settings_writer FILE PREFIX COUNT
//   writes PREFIX0=0 ... PREFIX<COUNT-1>=<COUNT-1> into section "Main" of FILE; exit code 0 when
//   every write succeeded.
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>

#include "settings/app_ini.h"
#include "settings/win32/profile_ini_file.h"
#include "settings/win32/settings_files_win32.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  const std::wstring file = argv[1];
  const std::wstring prefix = argv[2];
  const int count = std::wcstol(argv[3], nullptr, 10);
  try {
    TAppIni ini(nullptr, ProfileIniFiles(), false);
    ini.SetIniFileName(file);
    TWin32SettingsFileSystem files;
    for (int i = 0; i < count; ++i) {
      ini.WriteInteger(prefix + std::to_wstring(i), i);
      if (i % 10 == 5 && !files.WriteTestFile(file)) return 3;
    }
  } catch (const std::exception&) {
    return 1;
  }
  return 0;
}

#pragma once
// Where the settings live: Orvilla.ini beside a copy run from a writable folder, the registry for
// an installed copy, a copy started from the desktop under its own name, or a read-only folder.
#include <string>

#include "settings/app_ini.h"

// Special folder ids of the shell.
inline constexpr int SpecialFolderDesktop = 0;        // CSIDL_DESKTOP
inline constexpr int SpecialFolderProgramFiles = 38;  // CSIDL_PROGRAM_FILES

class TSettingsFileSystem {
 public:
  virtual ~TSettingsFileSystem() = default;
  // The folder's path; empty when the shell does not know it.
  virtual std::wstring SpecialFolderPath(int folderId) = 0;
  // Write test: opens the file for writing, creating it empty when missing, and changes nothing in
  // a file that exists. False when it cannot be opened so.
  virtual bool WriteTestFile(const std::wstring& fileName) = 0;
};

// Whether the executable lies under the Program Files folder: its full path begins with the
// folder's path, letter case significant. An unknown (empty) folder contains nothing.
bool IsUnderProgramFiles(const std::wstring& exeFileName, const std::wstring& programFiles);

// Decides once, before any setting is read, and attaches the INI file to the store when it is
// chosen. exeFolder is the executable's folder (a trailing backslash is optional).
void ChooseSettingsFile(TAppIni& ini, TSettingsFileSystem& files, const std::wstring& exeFileName,
                        const std::wstring& exeFolder);

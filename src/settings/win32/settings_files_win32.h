#pragma once
// The shell's special folders and the write test that decides whether the INI file is usable.
#include <string>

#include "settings/settings_file_choice.h"

// SHGetSpecialFolderLocation and SHGetPathFromIDListW; empty when either fails.
std::wstring GetSpecialFolderPath(int folderId);

class TWin32SettingsFileSystem : public TSettingsFileSystem {
 public:
  std::wstring SpecialFolderPath(int folderId) override { return GetSpecialFolderPath(folderId); }
  // Reads the file's bytes, when it exists, and writes them back unchanged; creates an empty file
  // when there was none.
  bool RewriteFile(const std::wstring& fileName) override;
};

#pragma once
// The shell's special folders and the write test that decides whether the INI file is usable.
#include <string>

#include "settings/settings_file_choice.h"

// The folder's path; empty when it is not known. Both folders the program asks at start come
// without shell32 where Windows keeps them elsewhere: the Program Files folder is the one the
// process has in its environment (ProgramFiles: for a 32-bit program on 64-bit Windows the folder
// of 32-bit programs, as the shell gives it), the desktop the user's folder value that the shell
// itself reads (User Shell Folders), expanded, when that folder exists. The shell is asked, with
// shell32 loaded just for the question, where those are missing and for every other folder.
std::wstring GetSpecialFolderPath(int folderId);

class TWin32SettingsFileSystem : public TSettingsFileSystem {
 public:
  std::wstring SpecialFolderPath(int folderId) override { return GetSpecialFolderPath(folderId); }
  // Reads the file's bytes, when it exists, and writes them back unchanged; creates an empty file
  // when there was none.
  bool WriteTestFile(const std::wstring& fileName) override;
};

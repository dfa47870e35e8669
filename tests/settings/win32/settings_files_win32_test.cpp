#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "settings/app_ini.h"
#include "settings/settings_file_choice.h"
#include "settings/win32/profile_ini_file.h"
#include "settings/win32/settings_files_win32.h"
#include "settings_temp_folder.h"

namespace {

// What the shell itself says of a folder; empty when it does not know it.
std::wstring ShellFolder(int folderId) {
  wchar_t path[MAX_PATH] = L"";
  return SHGetFolderPathW(nullptr, folderId, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK ? path : L"";
}

// Sets the process's ProgramFiles variable for the time it lives (null: removes it), then puts
// back what was there.
class TProgramFilesVariable {
 public:
  explicit TProgramFilesVariable(const wchar_t* value) {
    wchar_t old[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(kName, old, MAX_PATH);
    FHad = length > 0 && length < MAX_PATH;
    if (FHad) FOld = old;
    SetEnvironmentVariableW(kName, value);
  }
  TProgramFilesVariable(const TProgramFilesVariable&) = delete;
  TProgramFilesVariable& operator=(const TProgramFilesVariable&) = delete;
  ~TProgramFilesVariable() { SetEnvironmentVariableW(kName, FHad ? FOld.c_str() : nullptr); }

 private:
  static constexpr const wchar_t* kName = L"ProgramFiles";
  bool FHad = false;
  std::wstring FOld;
};

}  // namespace

TEST(SettingsFilesWin32, SpecialFoldersAreTheShellsAndAnUnknownIdIsEmpty) {
  EXPECT_FALSE(GetSpecialFolderPath(SpecialFolderProgramFiles).empty());
  EXPECT_EQ(GetSpecialFolderPath(SpecialFolderProgramFiles), ShellFolder(CSIDL_PROGRAM_FILES));
  EXPECT_FALSE(GetSpecialFolderPath(SpecialFolderDesktop).empty());
  EXPECT_EQ(GetSpecialFolderPath(SpecialFolderDesktop), ShellFolder(CSIDL_DESKTOP));
  EXPECT_EQ(GetSpecialFolderPath(0x7F), L"");
}

TEST(SettingsFilesWin32, ProgramFilesComesFromTheEnvironmentAndFromTheShellWithout) {
  const std::wstring shell = ShellFolder(CSIDL_PROGRAM_FILES);
  ASSERT_FALSE(shell.empty());
  {
    TProgramFilesVariable variable(L"Q:\\Programs elsewhere");
    EXPECT_EQ(GetSpecialFolderPath(SpecialFolderProgramFiles), L"Q:\\Programs elsewhere");
    // Only that folder is read from the environment.
    EXPECT_EQ(GetSpecialFolderPath(SpecialFolderDesktop), ShellFolder(CSIDL_DESKTOP));
  }
  for (const wchar_t* unusable : {static_cast<const wchar_t*>(nullptr), L""}) {
    TProgramFilesVariable variable(unusable);
    EXPECT_EQ(GetSpecialFolderPath(SpecialFolderProgramFiles), shell) << (unusable ? "empty" : "unset");
  }
}

TEST(SettingsFilesWin32, WriteTestKeepsAnExistingFileAndCreatesAMissingOneEmpty) {
  TTempFolder folder;
  TWin32SettingsFileSystem files;
  const std::wstring existing = folder.File(L"Orvilla.ini");
  const std::string content = "[Main]\r\nKeyboard=3\r\nno newline at the end";
  ASSERT_TRUE(WriteBytes(existing, content));
  EXPECT_TRUE(files.RewriteFile(existing));
  EXPECT_EQ(ReadBytes(existing), content);

  const std::wstring fresh = folder.File(L"fresh.ini");
  EXPECT_TRUE(files.RewriteFile(fresh));
  EXPECT_EQ(ReadBytes(fresh), "");
}

TEST(SettingsFilesWin32, WriteTestFailsForAFileInUseAFolderOrAMissingFolder) {
  TTempFolder folder;
  TWin32SettingsFileSystem files;
  const std::wstring locked = folder.File(L"Orvilla.ini");
  ASSERT_TRUE(WriteBytes(locked, "[Main]\r\n"));
  {
    TExclusiveFile lock(locked);
    ASSERT_TRUE(lock.Held());
    EXPECT_FALSE(files.RewriteFile(locked));
  }
  EXPECT_EQ(ReadBytes(locked), "[Main]\r\n");
  EXPECT_FALSE(files.RewriteFile(folder.Path()));
  EXPECT_FALSE(files.RewriteFile(folder.File(L"missing\\Orvilla.ini")));
}

TEST(SettingsFilesWin32, CopyInAWritableFolderKeepsItsSettingsBesideItself) {
  TTempFolder folder;
  TWin32SettingsFileSystem files;
  TAppIni ini(nullptr, ProfileIniFiles(), false);
  ChooseSettingsFile(ini, files, folder.File(L"Orvilla.exe"), folder.Path());
  ASSERT_FALSE(ini.UsesRegistry());
  EXPECT_EQ(ini.IniFileName(), folder.File(L"Orvilla.ini"));
  EXPECT_EQ(ReadBytes(ini.IniFileName()), "");
  ini.WriteBool(L"FitWidth", true);
  EXPECT_NE(ReadBytes(ini.IniFileName()).find("FitWidth=1"), std::string::npos);
}

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "settings/app_ini.h"
#include "settings/settings_file_choice.h"
#include "settings/win32/profile_ini_file.h"
#include "settings/win32/settings_files_win32.h"
#include "settings_temp_folder.h"

TEST(SettingsFilesWin32, SpecialFoldersAreKnownAndAnUnknownIdIsEmpty) {
  EXPECT_FALSE(GetSpecialFolderPath(SpecialFolderProgramFiles).empty());
  EXPECT_FALSE(GetSpecialFolderPath(SpecialFolderDesktop).empty());
  EXPECT_EQ(GetSpecialFolderPath(0x7F), L"");
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

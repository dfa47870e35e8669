#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/text_helpers.h"
#include "settings/app_ini.h"
#include "settings/fake_settings_backends.h"
#include "settings/settings_file_choice.h"

namespace {

const std::wstring ProgramFiles = L"C:\\Program Files (x86)";
const std::wstring Desktop = L"C:\\Users\\ann\\Desktop";

}  // namespace

TEST(ChooseSettingsFile, RegistryForInstalledOrDesktopCopiesAndReadOnlyFoldersElseTheIniBeside) {
  struct Case {
    const wchar_t* exe;
    const wchar_t* folder;
    bool writable;
    const wchar_t* iniFile;  // empty: the store stays on the registry
    bool writeTested;
  };
  const Case cases[] = {
      {L"C:\\Program Files (x86)\\Orvilla\\Orvilla.exe", L"C:\\Program Files (x86)\\Orvilla\\", true, L"", false},
      {L"C:\\Users\\ann\\Desktop\\Orvilla.exe", L"C:\\Users\\ann\\Desktop\\", true, L"", false},
      {L"C:\\Users\\ann\\Desktop\\osk2.exe", L"C:\\Users\\ann\\Desktop\\", true,
       L"C:\\Users\\ann\\Desktop\\Orvilla.ini", true},
      {L"C:\\Users\\ann\\Desktop\\orvilla.exe", L"C:\\Users\\ann\\Desktop\\", true,
       L"C:\\Users\\ann\\Desktop\\Orvilla.ini", true},  // letter case counts
      {L"C:\\Users\\ann\\Desktop\\Tools\\Orvilla.exe", L"C:\\Users\\ann\\Desktop\\Tools\\", true,
       L"C:\\Users\\ann\\Desktop\\Tools\\Orvilla.ini", true},
      {L"D:\\Tools\\Orvilla.exe", L"D:\\Tools\\", true, L"D:\\Tools\\Orvilla.ini", true},
      {L"D:\\Tools\\Orvilla.exe", L"D:\\Tools", true, L"D:\\Tools\\Orvilla.ini", true},
      {L"D:\\ReadOnly\\Orvilla.exe", L"D:\\ReadOnly\\", false, L"", true},
      {L"c:\\program files (x86)\\Orvilla\\Orvilla.exe", L"c:\\program files (x86)\\Orvilla\\", true,
       L"c:\\program files (x86)\\Orvilla\\Orvilla.ini", true},  // letter case counts here too
  };
  for (const auto& c : cases) {
    TFakeIniDisk disk;
    TFakeRegistryData registry;
    TAppIni ini(std::make_unique<TFakeRegistry>(registry), disk.Factory(), false);
    TFakeSettingsFileSystem files;
    files.Folders = {{SpecialFolderProgramFiles, ProgramFiles}, {SpecialFolderDesktop, Desktop}};
    if (!c.writable) files.Unwritable.insert(PathCombine(c.folder, L"Orvilla.ini"));
    ChooseSettingsFile(ini, files, c.exe, c.folder);
    EXPECT_EQ(ini.IniFileName(), c.iniFile) << c.exe;
    EXPECT_EQ(ini.UsesRegistry(), std::wstring(c.iniFile).empty()) << c.exe;
    EXPECT_EQ(!files.WriteTested.empty() || !c.writable, c.writeTested) << c.exe;
  }
}

TEST(ChooseSettingsFile, UnknownSpecialFoldersExcludeNothing) {
  TAppIni ini;
  TFakeSettingsFileSystem files;  // the shell knows neither folder
  ChooseSettingsFile(ini, files, L"C:\\Orvilla.exe", L"C:\\");
  EXPECT_EQ(files.WriteTested, std::vector<std::wstring>{L"C:\\Orvilla.ini"});
  EXPECT_FALSE(IsUnderProgramFiles(L"C:\\Orvilla.exe", L""));
}

TEST(ChooseSettingsFile, DesktopPathWithATrailingBackslash) {
  TAppIni ini;
  TFakeSettingsFileSystem files;
  files.Folders = {{SpecialFolderDesktop, L"C:\\"}};
  ChooseSettingsFile(ini, files, L"C:\\Orvilla.exe", L"C:\\");
  EXPECT_TRUE(files.WriteTested.empty());
  EXPECT_TRUE(ini.UsesRegistry());
}

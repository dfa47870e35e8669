#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/win32_handles.h"
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

// Sets an environment variable of the process for the time it lives (null: removes it), then puts
// back what was there.
class TProcessVariable {
 public:
  TProcessVariable(const wchar_t* name, const wchar_t* value) : FName(name) {
    wchar_t old[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(name, old, MAX_PATH);
    FHad = length > 0 && length < MAX_PATH;
    if (FHad) FOld = old;
    SetEnvironmentVariableW(name, value);
  }
  TProcessVariable(const TProcessVariable&) = delete;
  TProcessVariable& operator=(const TProcessVariable&) = delete;
  ~TProcessVariable() { SetEnvironmentVariableW(FName, FHad ? FOld.c_str() : nullptr); }

 private:
  const wchar_t* FName;
  bool FHad = false;
  std::wstring FOld;
};

// The current user's registry, for the time it lives, a scratch key of its own where only the
// desktop's value in the shell's user folders is set (or left out); the shell and the program
// read that key in its place.
class TScratchUserShellFolders {
 public:
  TScratchUserShellFolders() {
    HKEY user = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, Scratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &user, nullptr);
    FUser = TRegKey(user);
    HKEY folders = nullptr;
    RegCreateKeyExW(user, Folders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &folders, nullptr);
    FFolders = TRegKey(folders);
    FOverridden = FUser && FFolders && RegOverridePredefKey(HKEY_CURRENT_USER, user) == ERROR_SUCCESS;
  }
  TScratchUserShellFolders(const TScratchUserShellFolders&) = delete;
  TScratchUserShellFolders& operator=(const TScratchUserShellFolders&) = delete;
  ~TScratchUserShellFolders() {
    if (FOverridden) RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    FFolders = {};
    FUser = {};
    RegDeleteTreeW(HKEY_CURRENT_USER, Scratch);
  }
  bool Overridden() const { return FOverridden; }
  // The desktop's value of the given type (REG_DWORD: the number 1), or none (type 0). Also clears what the shell may
  // have written meanwhile, in its older key of user folders.
  void SetDesktop(DWORD type, const std::wstring& value) {
    RegDeleteTreeW(FUser.Get(), OldFolders);
    RegDeleteValueW(FFolders.Get(), L"Desktop");
    if (type == 0) return;
    const DWORD number = 1;
    if (type == REG_DWORD)
      RegSetValueExW(FFolders.Get(), L"Desktop", 0, type, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    else
      RegSetValueExW(FFolders.Get(), L"Desktop", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }

 private:
  static constexpr const wchar_t* Scratch = L"Software\\Orvilla tests\\user";
  static constexpr const wchar_t* Folders =
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  static constexpr const wchar_t* OldFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  TRegKey FUser;
  TRegKey FFolders;
  bool FOverridden = false;
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
    TProcessVariable variable(L"ProgramFiles", L"Q:\\Programs elsewhere");
    EXPECT_EQ(GetSpecialFolderPath(SpecialFolderProgramFiles), L"Q:\\Programs elsewhere");
    // Only that folder is read from the environment.
    EXPECT_EQ(GetSpecialFolderPath(SpecialFolderDesktop), ShellFolder(CSIDL_DESKTOP));
  }
  for (const wchar_t* unusable : {static_cast<const wchar_t*>(nullptr), L""}) {
    TProcessVariable variable(L"ProgramFiles", unusable);
    EXPECT_EQ(GetSpecialFolderPath(SpecialFolderProgramFiles), shell) << (unusable ? "empty" : "unset");
  }
}

TEST(SettingsFilesWin32, DesktopIsReadWhereTheShellKeepsItAndAskedOfTheShellWhereThatFails) {
  TTempFolder folder;
  const std::wstring desk = folder.Path() + L"\\Desk";
  ASSERT_TRUE(CreateDirectoryW(desk.c_str(), nullptr));
  TProcessVariable root(L"ORVILLA_TEST_ROOT", folder.Path().c_str());
  TScratchUserShellFolders user;
  ASSERT_TRUE(user.Overridden());
  struct TCase {
    const char* Name;
    DWORD Type;  // 0: no value
    std::wstring Value;
    std::wstring Expected;  // empty: whatever the shell says
  };
  const TCase cases[] = {
      {"a value with a variable", REG_EXPAND_SZ, L"%ORVILLA_TEST_ROOT%\\Desk", desk},
      {"a plain value", REG_SZ, desk, desk},
      {"a folder that is not there", REG_EXPAND_SZ, L"%ORVILLA_TEST_ROOT%\\Gone", L""},
      {"a number", REG_DWORD, L"", L""},
      {"an empty value", REG_SZ, L"", L""},
      {"no value", 0, L"", L""},
  };
  for (const TCase& c : cases) {
    user.SetDesktop(c.Type, c.Value);
    const std::wstring answer = GetSpecialFolderPath(SpecialFolderDesktop);
    // The shell, asked after the program (it may write its default), gives the same.
    EXPECT_EQ(answer, ShellFolder(CSIDL_DESKTOP)) << c.Name;
    if (!c.Expected.empty())
      EXPECT_EQ(answer, c.Expected) << c.Name;
    else
      EXPECT_NE(answer, desk) << c.Name;
  }
}

TEST(SettingsFilesWin32, WriteTestKeepsAnExistingFileAndCreatesAMissingOneEmpty) {
  TTempFolder folder;
  TWin32SettingsFileSystem files;
  const std::wstring existing = folder.File(L"Orvilla.ini");
  const std::string content = "[Main]\r\nKeyboard=3\r\nno newline at the end";
  ASSERT_TRUE(WriteBytes(existing, content));
  // Written at a known time long ago: the test writes nothing, so the time stays.
  const FILETIME old{0x256D4000, 0x01BF53EB};  // 2000-01-01
  {
    const TFileHandle file(CreateFileW(existing.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &old));
  }
  EXPECT_TRUE(files.WriteTestFile(existing));
  EXPECT_EQ(ReadBytes(existing), content);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(GetFileAttributesExW(existing.c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(data.ftLastWriteTime.dwLowDateTime, old.dwLowDateTime);
  EXPECT_EQ(data.ftLastWriteTime.dwHighDateTime, old.dwHighDateTime);

  const std::wstring fresh = folder.File(L"fresh.ini");
  EXPECT_TRUE(files.WriteTestFile(fresh));
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
    EXPECT_FALSE(files.WriteTestFile(locked));
  }
  EXPECT_EQ(ReadBytes(locked), "[Main]\r\n");
  EXPECT_FALSE(files.WriteTestFile(folder.Path()));
  EXPECT_FALSE(files.WriteTestFile(folder.File(L"missing\\Orvilla.ini")));
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

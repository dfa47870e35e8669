#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "settings/app_ini.h"
#include "settings/win32/registry_win32.h"

namespace {

const std::wstring TestKey = L"\\SOFTWARE\\Lunavar\\OrvillaTest";

// Removes the test key, and the company key too when nothing else is left in it.
void DeleteTestKey() {
  RegDeleteTreeW(HKEY_CURRENT_USER, TestKey.substr(1).c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\Lunavar");
}

void SetRawValue(const std::wstring& name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, TestKey.substr(1).c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

struct RegistryWin32Test : ::testing::Test {
  void SetUp() override { DeleteTestKey(); }
  void TearDown() override { DeleteTestKey(); }
};

}  // namespace

TEST_F(RegistryWin32Test, DwordRoundTripInACreatedKey) {
  TWin32Registry registry;
  ASSERT_TRUE(registry.CreateKey(TRegistryRoot::CurrentUser, TestKey));
  EXPECT_EQ(registry.ReadDword(L"Keyboard").Status, TRegistryValueStatus::Absent);
  ASSERT_TRUE(registry.WriteDword(L"Keyboard", 0xFFFFFFECu));
  const TRegistryValue value = registry.ReadDword(L"Keyboard");
  EXPECT_EQ(value.Status, TRegistryValueStatus::Found);
  EXPECT_EQ(value.Data, 0xFFFFFFECu);
}

TEST_F(RegistryWin32Test, ReadOnlyOpeningsSeeTheValuesAndCannotWrite) {
  {
    TWin32Registry writer;
    ASSERT_TRUE(writer.CreateKey(TRegistryRoot::CurrentUser, TestKey));
    ASSERT_TRUE(writer.WriteDword(L"Colors", 7));
  }
  for (const TRegistryRights rights :
       {TRegistryRights::Read, TRegistryRights::QueryAndEnumerate, TRegistryRights::QueryValue}) {
    TWin32Registry reader;
    ASSERT_TRUE(reader.OpenKey(TRegistryRoot::CurrentUser, TestKey, rights));
    EXPECT_EQ(reader.ReadDword(L"Colors").Data, 7u);
    EXPECT_FALSE(reader.WriteDword(L"Colors", 8));
  }
  TWin32Registry missing;
  EXPECT_FALSE(missing.OpenKey(TRegistryRoot::CurrentUser, TestKey + L"\\Missing", TRegistryRights::Read));
  EXPECT_EQ(missing.ReadDword(L"Colors").Status, TRegistryValueStatus::Absent);
  EXPECT_FALSE(missing.WriteDword(L"Colors", 8));
  // A failed opening lets go of the key opened before: nothing is read from it any more.
  TWin32Registry reopened;
  ASSERT_TRUE(reopened.OpenKey(TRegistryRoot::CurrentUser, TestKey, TRegistryRights::Read));
  EXPECT_FALSE(reopened.OpenKey(TRegistryRoot::CurrentUser, TestKey + L"\\Missing", TRegistryRights::Read));
  EXPECT_EQ(reopened.ReadDword(L"Colors").Status, TRegistryValueStatus::Absent);
}

TEST_F(RegistryWin32Test, ValuesOfOtherTypesOrSizesAreReported) {
  TWin32Registry registry;
  ASSERT_TRUE(registry.CreateKey(TRegistryRoot::CurrentUser, TestKey));
  SetRawValue(L"Short", REG_SZ, L"1", 4);
  SetRawValue(L"Long", REG_SZ, L"abcdef", 14);
  const unsigned char eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  SetRawValue(L"Binary", REG_BINARY, eight, 8);
  SetRawValue(L"TwoBytes", REG_DWORD, eight, 2);
  EXPECT_EQ(registry.ReadDword(L"Short").Status, TRegistryValueStatus::WrongType);
  EXPECT_EQ(registry.ReadDword(L"TwoBytes").Status, TRegistryValueStatus::WrongType);
  EXPECT_EQ(registry.ReadDword(L"Long").Status, TRegistryValueStatus::Unreadable);
  EXPECT_EQ(registry.ReadDword(L"Binary").Status, TRegistryValueStatus::Unreadable);
}

TEST_F(RegistryWin32Test, TextsRoundTripAsRegSzAndOtherTypesReadAsNone) {
  TWin32Registry registry;
  ASSERT_TRUE(registry.CreateKey(TRegistryRoot::CurrentUser, TestKey));
  EXPECT_FALSE(registry.ReadText(L"Keyboard").has_value());
  ASSERT_TRUE(registry.WriteText(L"Keyboard", L"Figures"));
  EXPECT_EQ(registry.ReadText(L"Keyboard"), std::optional<std::wstring>(L"Figures"));
  SetRawValue(L"Unended", REG_SZ, L"ab", 4);  // stored without its NUL
  EXPECT_EQ(registry.ReadText(L"Unended"), std::optional<std::wstring>(L"ab"));
  ASSERT_TRUE(registry.WriteDword(L"Colors", 3));
  EXPECT_FALSE(registry.ReadText(L"Colors").has_value());
}

TEST_F(RegistryWin32Test, StoreOnTheRegistryRoundTripsAndReadsAStringValueAsItsDefault) {
  {
    TAppIni ini(std::make_unique<TWin32Registry>(), nullptr, false, TestKey);
    ASSERT_EQ(ini.RegistryRights(), TRegistryRights::AllAccess);
    ini.WriteInteger(L"AlphaBlend", 180);
    ini.WriteBool(L"FitWidth", true);
  }
  SetRawValue(L"Keyboard", REG_SZ, L"2", 4);
  TAppIni ini(std::make_unique<TWin32Registry>(), nullptr, false, TestKey);
  EXPECT_EQ(ini.ReadInteger(L"AlphaBlend", 255), 180);
  EXPECT_TRUE(ini.ReadBool(L"FitWidth", false));
  EXPECT_FALSE(ini.ReadBool(L"LockSize", false));
  EXPECT_EQ(ini.ReadInteger(L"Keyboard", 1), 1);
}

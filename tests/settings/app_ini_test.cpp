#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/app_ini.h"
#include "settings/fake_settings_backends.h"

namespace {

const std::wstring Ini = L"D:\\Tools\\Orvilla\\Orvilla.ini";
constexpr TRegistryRoot HKCU = TRegistryRoot::CurrentUser;
constexpr TRegistryRoot HKLM = TRegistryRoot::LocalMachine;

std::wstring Key(TSettingId id) { return Setting(id).Key; }

struct AppIniTest : ::testing::Test {
  TFakeIniDisk disk;
  TFakeRegistryData registry;

  std::unique_ptr<TAppIni> Store(bool common = false) {
    return std::make_unique<TAppIni>(std::make_unique<TFakeRegistry>(registry), disk.Factory(), common);
  }
  std::unique_ptr<TAppIni> IniStore() {
    auto ini = Store();
    ini->SetIniFileName(Ini);
    return ini;
  }
  void GrantOnly(TRegistryRoot root, std::set<TRegistryRights> rights) { registry.Granted[root] = rights; }
  template <typename F>
  std::wstring ErrorOf(F&& f) {
    try {
      f();
    } catch (const TSettingsError& e) {
      return e.Message();
    }
    return L"(no error)";
  }
};

}  // namespace

TEST_F(AppIniTest, IniTextsReadAsIntegersOrTheDefault) {
  struct Case {
    const wchar_t* text;
    int defaultValue;
    int expected;
  };
  const Case cases[] = {
      {L"abc", 1, 1}, {L"0x3", 1, 3}, {L"$1F", 0, 31}, {L"-5", 9, -5}, {L"", 6, 6}, {L"12", 0, 12},
  };
  auto ini = IniStore();
  for (const auto& c : cases) {
    disk.Value(Ini, L"Keyboard") = c.text;
    EXPECT_EQ(ini->ReadInteger(L"Keyboard", c.defaultValue), c.expected) << c.text;
  }
  EXPECT_EQ(ini->ReadInteger(L"Colors", 6), 6);  // missing key
}

TEST_F(AppIniTest, IniBooleansAreIntegersTrueWhenNonZero) {
  struct Case {
    const wchar_t* text;
    bool defaultValue;
    bool expected;
  };
  const Case cases[] = {
      {L"2", false, true},  {L"1", false, true},    {L"0", true, false},   {L"-1", false, true},
      {L"abc", true, true}, {L"abc", false, false}, {L"0x0", true, false},
  };
  auto ini = IniStore();
  for (const auto& c : cases) {
    disk.Value(Ini, L"FitWidth") = c.text;
    EXPECT_EQ(ini->ReadBool(L"FitWidth", c.defaultValue), c.expected) << c.text;
  }
  EXPECT_TRUE(ini->ReadBool(L"EnableKeyRepeat", true));  // missing key
  EXPECT_FALSE(ini->ReadBool(L"LockSize", false));
}

TEST_F(AppIniTest, IniWritesDecimalTextToSectionMainAndLeavesTheRegistryAlone) {
  auto ini = IniStore();
  ini->WriteInteger(L"AlphaBlend", 200);
  ini->WriteInteger(L"Site", -7);
  ini->WriteBool(L"FitWidth", true);
  ini->WriteBool(L"LockSize", false);
  EXPECT_EQ(disk.Value(Ini, L"AlphaBlend"), L"200");
  EXPECT_EQ(disk.Value(Ini, L"Site"), L"-7");
  EXPECT_EQ(disk.Value(Ini, L"FitWidth"), L"1");
  EXPECT_EQ(disk.Value(Ini, L"LockSize"), L"0");
  EXPECT_EQ(ini->ReadInteger(L"Site", 0), -7);
  EXPECT_TRUE(registry.Key(HKCU).empty());
}

TEST_F(AppIniTest, AnAttachedIniFileHidesTheRegistryValues) {
  registry.SetDword(HKCU, L"Keyboard", 4);
  auto ini = Store();
  EXPECT_TRUE(ini->UsesRegistry());
  EXPECT_EQ(ini->ReadInteger(L"Keyboard", 1), 4);
  ini->SetIniFileName(Ini);
  EXPECT_FALSE(ini->UsesRegistry());
  EXPECT_EQ(ini->IniFileName(), Ini);
  EXPECT_EQ(ini->ReadInteger(L"Keyboard", 1), 1);
}

TEST_F(AppIniTest, FailingIniWriteRaisesUnableToWriteWithThePath) {
  auto ini = IniStore();
  disk.ReadOnlyFiles.insert(Ini);
  EXPECT_EQ(ErrorOf([&] { ini->WriteInteger(L"Colors", 3); }), L"Unable to write to " + Ini);
  EXPECT_EQ(ErrorOf([&] { ini->WriteBool(L"FitWidth", true); }), L"Unable to write to " + Ini);
}

TEST_F(AppIniTest, SetIniFileNameAttachesOnlyOnAChangeAndEmptyReturnsToTheRegistry) {
  auto ini = IniStore();
  ini->SetIniFileName(Ini);
  EXPECT_EQ(disk.FilesAttached, 1);
  ini->WriteInteger(L"Colors", 3);
  const std::wstring other = L"E:\\Orvilla.ini";
  ini->SetIniFileName(other);
  EXPECT_EQ(disk.FilesAttached, 2);
  ini->WriteInteger(L"Colors", 4);
  EXPECT_EQ(disk.Value(Ini, L"Colors"), L"3");
  EXPECT_EQ(disk.Value(other, L"Colors"), L"4");
  ini->SetIniFileName(L"");
  EXPECT_TRUE(ini->UsesRegistry());
  EXPECT_EQ(ini->IniFileName(), L"");
  ini->WriteInteger(L"Colors", 5);
  EXPECT_EQ(registry.Key(HKCU)[L"Colors"].Data, 5u);
}

TEST_F(AppIniTest, AReadBatchReadsTheSectionOnceAndAnswersAsSingleReadsUntilAWrite) {
  auto ini = IniStore();
  disk.Value(Ini, Key(TSettingId::WindowTop)) = L"120";
  disk.Value(Ini, Key(TSettingId::FitWidth)) = L"0";
  disk.Value(Ini, Key(TSettingId::KeyboardType)) = L"Mine";
  ini->BeginReadBatch();
  disk.Value(Ini, Key(TSettingId::WindowTop)) = L"999";  // a change by another copy after the batch began is not seen
  EXPECT_EQ(ini->Read(TSettingId::WindowTop), 120);
  EXPECT_EQ(ini->Read(TSettingId::FitWidth), 0);
  EXPECT_EQ(ini->ReadText(TSettingId::KeyboardType, L""), L"Mine");
  EXPECT_EQ(ini->ReadStored(TSettingId::WindowLeft), std::nullopt);
  EXPECT_EQ(ini->Read(TSettingId::Transparency), Setting(TSettingId::Transparency).Default);
  EXPECT_EQ(disk.SectionReads, 1);
  EXPECT_EQ(disk.StringReads, 0);

  // A write ends the batch: the reads go to the file again and see the write.
  ini->Write(TSettingId::FitWidth, 1);
  EXPECT_EQ(ini->Read(TSettingId::FitWidth), 1);
  EXPECT_EQ(ini->Read(TSettingId::WindowTop), 999);
  EXPECT_EQ(disk.StringReads, 2);
}

TEST_F(AppIniTest, AReadBatchEndsWhenAskedOrWithAnotherFileAndNeverTouchesTheRegistry) {
  auto ini = IniStore();
  disk.Value(Ini, Key(TSettingId::WindowTop)) = L"120";
  ini->BeginReadBatch();
  ini->EndReadBatch();
  disk.Value(Ini, Key(TSettingId::WindowTop)) = L"130";
  EXPECT_EQ(ini->Read(TSettingId::WindowTop), 130);

  ini->BeginReadBatch();
  const std::wstring other = L"D:\\Other\\Orvilla.ini";
  disk.Value(other, Key(TSettingId::WindowTop)) = L"140";
  ini->SetIniFileName(other);
  EXPECT_EQ(ini->Read(TSettingId::WindowTop), 140);

  auto registryStore = Store();
  registry.SetDword(HKCU, Key(TSettingId::WindowTop), 150);
  const int sectionReads = disk.SectionReads;
  registryStore->BeginReadBatch();
  registry.SetDword(HKCU, Key(TSettingId::WindowTop), 160);
  EXPECT_EQ(registryStore->Read(TSettingId::WindowTop), 160);
  EXPECT_EQ(disk.SectionReads, sectionReads);
}

TEST_F(AppIniTest, RegistryKeyOpensWithTheFirstRightsThatSucceed) {
  struct Case {
    std::set<TRegistryRights> granted;
    std::optional<TRegistryRights> opened;
    size_t attempts;
  };
  using R = TRegistryRights;
  const Case cases[] = {
      {{R::AllAccess, R::Read, R::QueryAndEnumerate, R::QueryValue}, R::AllAccess, 1},
      {{R::Read, R::QueryAndEnumerate, R::QueryValue}, R::Read, 2},
      {{R::QueryAndEnumerate, R::QueryValue}, R::QueryAndEnumerate, 3},
      {{R::QueryValue}, R::QueryValue, 4},
      {{}, std::nullopt, 4},
  };
  for (const auto& c : cases) {
    registry = {};
    registry.Key(HKLM);  // the key exists
    GrantOnly(HKLM, c.granted);
    auto ini = Store(true);
    EXPECT_EQ(ini->RegistryRights(), c.opened);
    EXPECT_EQ(registry.Attempts.size(), c.attempts);
  }
}

TEST_F(AppIniTest, CommonSettingsUseTheLocalMachineAndOtherwiseTheCurrentUser) {
  registry.SetDword(HKCU, L"Colors", 7);
  registry.SetDword(HKLM, L"Colors", 8);
  EXPECT_EQ(Store(false)->ReadInteger(L"Colors", 6), 7);
  EXPECT_EQ(Store(true)->ReadInteger(L"Colors", 6), 8);
}

TEST_F(AppIniTest, ConstructionCreatesTheKeyUnderTheCurrentUser) {
  auto ini = Store();
  EXPECT_EQ(registry.Keys.count({HKCU, L"\\SOFTWARE\\Lunavar\\Orvilla"}), 1u);
  EXPECT_EQ(ini->RegistryRights(), TRegistryRights::AllAccess);
}

TEST_F(AppIniTest, RegistryRoundTripsIntegersAndBooleansAsDwords) {
  auto ini = Store();
  ini->WriteInteger(L"AlphaBlend", 128);
  ini->WriteInteger(L"TMainFormTop", -20);
  ini->WriteBool(L"FitWidth", true);
  ini->WriteBool(L"LockSize", false);
  EXPECT_EQ(registry.Key(HKCU)[L"TMainFormTop"].Data, 0xFFFFFFECu);
  EXPECT_EQ(registry.Key(HKCU)[L"FitWidth"].Data, 1u);
  EXPECT_EQ(ini->ReadInteger(L"AlphaBlend", 255), 128);
  EXPECT_EQ(ini->ReadInteger(L"TMainFormTop", 0), -20);
  EXPECT_TRUE(ini->ReadBool(L"FitWidth", false));
  EXPECT_FALSE(ini->ReadBool(L"LockSize", true));
  registry.SetDword(HKCU, L"EnableKeyRepeat", 7);
  EXPECT_TRUE(ini->ReadBool(L"EnableKeyRepeat", false));
  EXPECT_EQ(ini->ReadInteger(L"Missing", 42), 42);
  EXPECT_TRUE(ini->ReadBool(L"Missing", true));
}

TEST_F(AppIniTest, ReadOnlyKeyReadsStoredValuesAndSkipsWrites) {
  using R = TRegistryRights;
  for (const R rights : {R::Read, R::QueryAndEnumerate, R::QueryValue}) {
    registry = {};
    registry.SetDword(HKLM, L"Keyboard", 3);
    GrantOnly(HKLM, {rights});
    auto ini = Store(true);
    ASSERT_EQ(ini->RegistryRights(), rights);
    EXPECT_EQ(ini->ReadInteger(L"Keyboard", 1), 3);
    EXPECT_NO_THROW(ini->WriteInteger(L"Keyboard", 5));
    EXPECT_NO_THROW(ini->WriteBool(L"FitWidth", true));
    EXPECT_EQ(ini->ReadInteger(L"Keyboard", 1), 3);
    EXPECT_EQ(registry.Key(HKLM).size(), 1u);
  }
}

TEST_F(AppIniTest, KeyThatCannotBeOpenedAnswersDefaultsAndTakesNoWrites) {
  GrantOnly(HKLM, {});
  auto ini = Store(true);
  EXPECT_FALSE(ini->RegistryRights().has_value());
  EXPECT_EQ(ini->ReadInteger(L"Keyboard", 1), 1);
  EXPECT_TRUE(ini->ReadBool(L"EnableKeyRepeat", true));
  EXPECT_NO_THROW(ini->WriteInteger(L"Keyboard", 5));
  EXPECT_EQ(ini->ReadInteger(L"Keyboard", 1), 1);
}

TEST_F(AppIniTest, RegistryValuesOfAnotherTypeOrSizeReadAsTheirDefaults) {
  registry.Key(HKCU)[L"Keyboard"] = {false, 4, 2};    // for example REG_SZ "2"
  registry.Key(HKCU)[L"Colors"] = {false, 12, 0};     // REG_SZ "abcde"
  registry.Key(HKCU)[L"AlphaBlend"] = {true, 8, 80};  // eight bytes of data
  registry.Key(HKCU)[L"FitWidth"] = {true, 2, 1};     // two bytes of data
  registry.SetDword(HKCU, L"LockSize", 1);
  auto ini = Store();
  EXPECT_EQ(ini->ReadInteger(L"Keyboard", 1), 1);
  EXPECT_TRUE(ini->ReadBool(L"Keyboard", true));
  EXPECT_EQ(ini->ReadInteger(L"Colors", 6), 6);
  EXPECT_EQ(ini->ReadInteger(L"AlphaBlend", 255), 255);
  EXPECT_FALSE(ini->ReadBool(L"FitWidth", false));
  EXPECT_TRUE(ini->ReadBool(L"LockSize", false));
  // A real change replaces the stray value with a proper one.
  ini->WriteInteger(L"Keyboard", 3);
  EXPECT_EQ(ini->ReadInteger(L"Keyboard", 1), 3);
}

TEST_F(AppIniTest, TextsRoundTripInTheIniAndAsRegSzWhereDwordsReadAsTheirNumber) {
  auto ini = IniStore();
  ini->WriteText(L"Keyboard", L"My pad");
  EXPECT_EQ(disk.Value(Ini, L"Keyboard"), L"My pad");
  EXPECT_EQ(ini->ReadText(L"Keyboard", L"1"), L"My pad");
  EXPECT_EQ(ini->ReadText(L"Colors", L"1"), L"1");  // missing

  auto reg = Store();
  registry.SetDword(HKCU, L"Keyboard", 0xFFFFFFFEu);
  EXPECT_EQ(reg->ReadText(L"Keyboard", L"1"), L"-2");
  reg->WriteText(L"Keyboard", L"My pad");
  EXPECT_FALSE(registry.Key(HKCU)[L"Keyboard"].IsDword);
  EXPECT_EQ(reg->ReadText(L"Keyboard", L"1"), L"My pad");
  EXPECT_EQ(reg->ReadInteger(L"Keyboard", 1), 1);  // a text is no number
  reg->WriteInteger(L"Keyboard", 7);               // back to a number
  EXPECT_EQ(reg->ReadText(L"Keyboard", L"1"), L"7");
  registry.RefuseWrites = true;
  EXPECT_EQ(ErrorOf([&] { reg->WriteText(L"Keyboard", L"x"); }), L"Failed to set data for 'Keyboard'");
  disk.ReadOnlyFiles.insert(Ini);
  EXPECT_EQ(ErrorOf([&] { ini->WriteText(L"Keyboard", L"x"); }), L"Unable to write to " + Ini);
}

TEST_F(AppIniTest, RefusedRegistryWriteRaisesFailedToSetData) {
  auto ini = Store();
  registry.RefuseWrites = true;
  EXPECT_EQ(ErrorOf([&] { ini->WriteInteger(L"Colors", 3); }), L"Failed to set data for 'Colors'");
  EXPECT_EQ(ErrorOf([&] { ini->WriteBool(L"FitWidth", true); }), L"Failed to set data for 'FitWidth'");
}

TEST(AppIniWithoutBackends, AnswersDefaultsAndDropsWrites) {
  TAppIni ini;
  EXPECT_TRUE(ini.UsesRegistry());
  ini.WriteInteger(L"Keyboard", 4);
  ini.WriteBool(L"FitWidth", true);
  EXPECT_EQ(ini.ReadInteger(L"Keyboard", 1), 1);
  EXPECT_FALSE(ini.ReadBool(L"FitWidth", false));
}

TEST(SettingsError, WhatIsTheMessageInAscii) {
  const TSettingsError e(L"Unable to write to C:\\\u00c4\\Orvilla.ini");
  EXPECT_STREQ(e.what(), "Unable to write to C:\\?\\Orvilla.ini");
}

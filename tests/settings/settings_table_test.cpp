// The settings table: the stored keys never change (users' files and registries hold them), each
// setting reads and writes under its own key, and applying limits a value as its row says.
#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "settings/app_ini.h"
#include "settings/fake_settings_backends.h"

namespace {

using S = TSettingId;
const std::wstring Ini = L"D:\\Tools\\Orvilla\\Orvilla.ini";

}  // namespace

TEST(SettingsTable, KeysArePinned) {
  const struct {
    TSettingId Id;
    const wchar_t* Key;
    TSettingType Type;
    int Default;
  } pinned[] = {
      {S::EnableKeyRepeat, L"EnableKeyRepeat", TSettingType::Bool, 1},
      {S::FitWidth, L"FitWidth", TSettingType::Bool, 0},
      {S::LockSize, L"LockSize", TSettingType::Bool, 0},
      {S::KeyboardType, L"Keyboard", TSettingType::Integer, 1},
      {S::ColorScheme, L"Colors", TSettingType::Integer, 1},
      {S::Transparency, L"AlphaBlend", TSettingType::Integer, 255},
      {S::HoverPress, L"HoverPress", TSettingType::Bool, 0},
      {S::HoverTime, L"HoverTime", TSettingType::Integer, 1000},
      {S::FirstRunSite, L"Site", TSettingType::Integer, 0},
      {S::KeepClear, L"KeepClear", TSettingType::Bool, 0},
      {S::WordSuggestions, L"WordSuggestions", TSettingType::Bool, 0},
      {S::SuggestionSpace, L"SuggestionSpace", TSettingType::Bool, 1},
      {S::LearnWords, L"LearnWords", TSettingType::Bool, 1},
      {S::Scanning, L"Scanning", TSettingType::Bool, 0},
      {S::ScanTime, L"ScanTime", TSettingType::Integer, 1000},
      {S::ScanKey, L"ScanKey", TSettingType::Integer, 32},
      {S::ClickSound, L"ClickSound", TSettingType::Bool, 0},
      {S::ScanSound, L"ScanSound", TSettingType::Bool, 0},
      {S::WindowTop, L"TMainFormTop", TSettingType::Integer, 0},
      {S::WindowLeft, L"TMainFormLeft", TSettingType::Integer, 0},
      {S::WindowHeight, L"TMainFormHeight", TSettingType::Integer, 0},
      {S::WindowWidth, L"TMainFormWidth", TSettingType::Integer, 0},
      {S::WindowState, L"TMainFormState", TSettingType::Integer, 0},
  };
  ASSERT_EQ(std::size(pinned), SettingCount);
  std::set<std::wstring> keys;
  for (const auto& p : pinned) {
    const TSettingDef& s = Setting(p.Id);
    SCOPED_TRACE(p.Key);
    EXPECT_EQ(std::wstring(s.Key), p.Key);
    EXPECT_EQ(s.Type, p.Type);
    EXPECT_EQ(s.Default, p.Default);
    EXPECT_TRUE(keys.insert(s.Key).second) << "two settings under one key";
  }
}

TEST(SettingsTable, ApplyingLimitsAsEachRowSays) {
  const struct {
    TSettingId Id;
    int Value, Kept;
  } cases[] = {
      // Layouts and schemes: only numbers above the range go back to the first.
      {S::ColorScheme, 1, 1},
      {S::ColorScheme, 6, 6},
      {S::ColorScheme, 8, 8},
      {S::ColorScheme, 9, 9},
      {S::ColorScheme, 10, 10},
      {S::ColorScheme, 11, 1},
      {S::ColorScheme, 0, 0},
      {S::ColorScheme, -2, -2},
      {S::ColorScheme, INT_MAX, 1},
      {S::KeyboardType, 1, 1},
      {S::KeyboardType, 6, 6},
      {S::KeyboardType, 8, 8},
      {S::KeyboardType, 9, 1},
      {S::KeyboardType, 10, 1},
      {S::KeyboardType, 11, 1},
      {S::KeyboardType, 0, 0},
      {S::KeyboardType, -2, -2},
      {S::KeyboardType, INT_MAX, 1},
      // The hover time: the nearest limit.
      {S::HoverTime, -5, 500},
      {S::HoverTime, 1234, 1234},
      {S::HoverTime, 1 << 30, 3000},
      // The opacity is kept as given; it is drawn limited (AppliedOpacity).
      {S::Transparency, 7, 7},
      {S::Transparency, 300, 300},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Setting(c.Id).Key + std::to_wstring(c.Value));
    EXPECT_EQ(LimitSetting(c.Id, c.Value), c.Kept);
  }
  EXPECT_EQ(ClampSetting(S::Transparency, 7), 50);
  EXPECT_EQ(ClampSetting(S::Transparency, 300), 255);
}

TEST(SettingsTable, StoreReadsAndWritesEachSettingUnderItsKey) {
  TFakeIniDisk disk;
  TFakeRegistryData registry;
  TAppIni ini(std::make_unique<TFakeRegistry>(registry), disk.Factory(), false);
  ini.SetIniFileName(Ini);
  // Nothing stored: the table's default, or the one given at run time.
  EXPECT_EQ(ini.Read(S::EnableKeyRepeat), 1);
  EXPECT_EQ(ini.Read(S::HoverTime), 1000);
  EXPECT_EQ(ini.Read(S::ColorScheme, 3), 3);
  // A Bool reads as 0 or 1 whatever number is stored; text that is no number reads as the default.
  disk.Value(Ini, L"FitWidth") = L"7";
  disk.Value(Ini, L"Keyboard") = L"x";
  EXPECT_EQ(ini.Read(S::FitWidth), 1);
  EXPECT_EQ(ini.Read(S::KeyboardType), 1);
  ini.Write(S::LockSize, 5);
  ini.Write(S::Transparency, 180);
  EXPECT_EQ(disk.Value(Ini, L"LockSize"), L"1");
  EXPECT_EQ(disk.Value(Ini, L"AlphaBlend"), L"180");
  EXPECT_EQ(ini.Read(S::Transparency), 180);
}

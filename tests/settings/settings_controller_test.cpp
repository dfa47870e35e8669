// The settings controller: what applying a setting keeps, what the program is told, and how and
// when it is stored.
#include "settings/settings_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/fake_settings_backends.h"

namespace {

using S = TSettingId;
const std::wstring Ini = L"D:\\Tools\\Orvilla\\Orvilla.ini";

// Records what the controller asks of the program, in order; a layout file's number (above the
// built-in layouts) is accepted as it is, as the keyboard window does.
class TRecordingEffects : public TSettingEffects {
 public:
  std::vector<std::wstring> calls;

  int AcceptedValue(TSettingId id, int value) override {
    if (id == S::KeyboardType && value == 12) return value;
    return TSettingEffects::AcceptedValue(id, value);
  }
  void SettingApplied(TSettingId id, int value) override { Record(L"applied ", id, value); }
  void SwitchChanged(TSettingId id) override { Record(L"check ", id, -1); }
  void StoreByProgram(TSettingId id, int value) override { Record(L"store ", id, value); }
  void ScheduleLazySave() override { calls.push_back(L"lazy save"); }

 private:
  void Record(const std::wstring& what, TSettingId id, int value) {
    calls.push_back(what + Setting(id).Key + (value < 0 ? L"" : L"=" + std::to_wstring(value)));
  }
};

struct SettingsController : ::testing::Test {
  TFakeIniDisk disk;
  TFakeRegistryData registry;
  TAppIni store{std::make_unique<TFakeRegistry>(registry), disk.Factory(), false};
  TRecordingEffects effects;
  TSettingsController settings{store, effects};

  void SetUp() override { store.SetIniFileName(Ini); }
};

}  // namespace

TEST_F(SettingsController, StartsWithTheDefaultsAndLoadsWithoutApplyingOrStoring) {
  EXPECT_EQ(settings.Value(S::Transparency), 255);
  EXPECT_TRUE(settings.Switch(S::EnableKeyRepeat));
  EXPECT_FALSE(settings.Switch(S::KeepClear));
  disk.Value(Ini, L"KeepClear") = L"1";
  disk.Value(Ini, L"HoverTime") = L"99999";
  settings.LoadStored(S::KeepClear);
  settings.LoadStored(S::HoverTime);
  EXPECT_TRUE(settings.Switch(S::KeepClear));
  EXPECT_EQ(settings.Value(S::HoverTime), 99999);  // loaded as stored: applying limits it
  EXPECT_TRUE(effects.calls.empty());
  EXPECT_TRUE(disk.WrittenKeys.empty());
}

TEST_F(SettingsController, ApplyingASwitchTellsTheProgramMovesTheCheckMarkAndStoresAtOnce) {
  settings.Apply(S::Scanning, 7);  // any number but 0 is on
  EXPECT_TRUE(settings.Switch(S::Scanning));
  EXPECT_EQ(effects.calls, (std::vector<std::wstring>{L"applied Scanning=1", L"check Scanning"}));
  EXPECT_EQ(disk.Value(Ini, L"Scanning"), L"1");
  settings.Apply(S::Scanning, 0);
  EXPECT_EQ(disk.Value(Ini, L"Scanning"), L"0");
}

TEST_F(SettingsController, KeepsWhatTheRowOrTheProgramAccepts) {
  const struct {
    TSettingId Id;
    int Value, Kept;
  } cases[] = {
      {S::HoverTime, 10, 500},                                   // the nearest limit
      {S::HoverTime, 1 << 30, 3000}, {S::ColorScheme, 11, 1},    // above the schemes: the first
      {S::KeyboardType, 9, 1},       {S::KeyboardType, 12, 12},  // the program's own answer: a layout file
      {S::Transparency, 7, 7},                                   // kept; the window draws it limited
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Setting(c.Id).Key + std::wstring(L" ") + std::to_wstring(c.Value));
    effects.calls.clear();
    settings.Apply(c.Id, c.Value);
    EXPECT_EQ(settings.Value(c.Id), c.Kept);
    ASSERT_FALSE(effects.calls.empty());
    EXPECT_EQ(effects.calls.front(), L"applied " + std::wstring(Setting(c.Id).Key) + L"=" + std::to_wstring(c.Kept));
  }
  EXPECT_EQ(disk.Value(Ini, L"HoverTime"), L"3000");
  EXPECT_EQ(disk.Value(Ini, L"Colors"), L"1");
}

TEST_F(SettingsController, TheOpacityWaitsForTheLazySaveAndTheKeyboardTypeIsStoredByTheProgram) {
  settings.Apply(S::Transparency, 120);
  EXPECT_EQ(effects.calls, (std::vector<std::wstring>{L"applied AlphaBlend=120", L"lazy save"}));
  EXPECT_FALSE(disk.Has(Ini, L"AlphaBlend"));
  settings.SaveLazy();
  EXPECT_EQ(disk.Value(Ini, L"AlphaBlend"), L"120");

  effects.calls.clear();
  settings.Apply(S::KeyboardType, 12);
  EXPECT_EQ(effects.calls, (std::vector<std::wstring>{L"applied Keyboard=12", L"store Keyboard=12"}));
  EXPECT_FALSE(disk.Has(Ini, L"Keyboard"));
}

TEST_F(SettingsController, AStoreThatCannotBeWrittenFailsAfterTheValueIsApplied) {
  disk.ReadOnlyFiles.insert(Ini);
  EXPECT_THROW(settings.Apply(S::FitWidth, 1), TSettingsError);
  EXPECT_TRUE(settings.Switch(S::FitWidth));
  EXPECT_EQ(effects.calls, (std::vector<std::wstring>{L"applied FitWidth=1", L"check FitWidth"}));
}

TEST_F(SettingsController, ApplyingTheStoredValueStoresItOnlyWhenTheStoreLacksItOrHeldAnother) {
  const struct {
    TSettingId Id;
    const wchar_t* Stored;  // null: none
    int Kept;
    bool Stored_;  // written again (or, for the opacity, a lazy save scheduled)
  } cases[] = {
      {S::FitWidth, L"1", 1, false},                                            // just read: nothing to write
      {S::FitWidth, L"0", 0, false},          {S::FitWidth, nullptr, 0, true},  // missing: the default is written
      {S::FitWidth, L"5", 1, true},                                             // a switch's other number is fixed to 1
      {S::FitWidth, L"abc", 0, true},                                           // no number: the default
      {S::EnableKeyRepeat, nullptr, 1, true}, {S::HoverTime, L"800", 800, false},
      {S::HoverTime, L"99999", 3000, true},   // limited
      {S::Transparency, L"120", 120, false},  // no lazy save
      {S::Transparency, nullptr, 255, true},
  };
  for (const auto& c : cases) {
    const std::wstring key = Setting(c.Id).Key;
    SCOPED_TRACE(key + L" " + (c.Stored ? c.Stored : L"(none)"));
    disk.Files.clear();
    disk.WrittenKeys.clear();
    effects.calls.clear();
    if (c.Stored) disk.Value(Ini, key) = c.Stored;
    settings.ApplyStored(c.Id);
    EXPECT_EQ(settings.Value(c.Id), c.Kept);
    ASSERT_FALSE(effects.calls.empty());
    EXPECT_EQ(effects.calls.front(), L"applied " + key + L"=" + std::to_wstring(c.Kept));  // followed all the same
    const bool lazy = effects.calls.back() == L"lazy save";
    EXPECT_EQ(!disk.WrittenKeys.empty() || lazy, c.Stored_);
    if (!disk.WrittenKeys.empty()) {
      EXPECT_EQ(disk.Value(Ini, key), std::to_wstring(c.Kept));
    }
  }
}

TEST_F(SettingsController, ApplyingTheStoredValueFromTheRegistryWritesOnlyWhatItFixes) {
  store.SetIniFileName(L"");
  registry.SetDword(TRegistryRoot::CurrentUser, L"FitWidth", 1);
  registry.Key(TRegistryRoot::CurrentUser)[L"LockSize"] = {false, 4, 1};  // no REG_DWORD: no setting
  registry.RefuseWrites = true;                                           // a write would fail, and say so
  EXPECT_NO_THROW(settings.ApplyStored(S::FitWidth));
  EXPECT_TRUE(settings.Switch(S::FitWidth));
  EXPECT_THROW(settings.ApplyStored(S::LockSize), TSettingsError);  // the default written over it
  EXPECT_FALSE(settings.Switch(S::LockSize));
}

// The command table: one row per command id, and what running each command asks of the program.
#include "commands/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "commands/web_links.h"
#include "settings/app_ini.h"
#include "settings/fake_settings_backends.h"

namespace {

using C = TCommandId;
using S = TSettingId;
const std::wstring Ini = L"D:\\Tools\\Orvilla\\Orvilla.ini";
constexpr std::uint16_t German = 0x0407;

class TRecordingSettings : public TSettingsTarget {
 public:
  std::map<TSettingId, int> values;
  std::vector<std::wstring> calls;

  int SettingValue(TSettingId id) const override {
    const auto it = values.find(id);
    return it == values.end() ? 0 : it->second;
  }
  void ApplySetting(TSettingId id, int value) override {
    values[id] = value;
    calls.push_back(std::wstring(Setting(id).Key) + L"=" + std::to_wstring(value));
  }
  std::vector<std::wstring> FileLayoutNames() override { return {}; }
  TRect WindowBounds() const override { return {}; }
  void RestoreLeftAndWidth(int, int) override { calls.push_back(L"RestoreLeftAndWidth"); }
  void FitAspectCentred(const TRect&) override { calls.push_back(L"FitAspectCentred"); }
  void OpenUrl(const std::wstring& url) override { calls.push_back(L"OpenUrl " + url); }
  void ForgetLearnedWords() override { calls.push_back(L"ForgetLearnedWords"); }
};

struct CommandTable : ::testing::Test {
  TFakeIniDisk disk;
  TFakeRegistryData registry;
  TAppIni store{std::make_unique<TFakeRegistry>(registry), disk.Factory(), false};
  TRecordingSettings settings;
  int nextKeyboardType = 7;  // what the window answers: built-ins and layout files are its to know

  void SetUp() override { store.SetIniFileName(Ini); }

  std::vector<std::wstring> Run(TCommandId id) {
    settings.calls.clear();
    TCommandContext context{settings, store, German, [this] { settings.calls.push_back(L"ShowSettings"); },
                            [this] { return nextKeyboardType; }};
    RunCommand(Command(id), context);
    return settings.calls;
  }
};

}  // namespace

TEST_F(CommandTable, EveryIdHasOneRowAndEachRowEitherSwitchesOrRuns) {
  std::set<unsigned> ids;
  for (const TCommandDef& row : ::CommandTable()) {
    SCOPED_TRACE(static_cast<unsigned>(row.Id));
    EXPECT_TRUE(ids.insert(static_cast<unsigned>(row.Id)).second) << "two rows for one id";
    EXPECT_GE(static_cast<unsigned>(row.Id), FirstCommandId);
    EXPECT_LE(static_cast<unsigned>(row.Id), LastCommandId);
    const bool isSwitch = row.Switch != S::Count;
    EXPECT_NE(isSwitch, row.Run != nullptr);
    if (isSwitch) {
      EXPECT_EQ(Setting(row.Switch).Type, TSettingType::Bool);
    }
  }
  EXPECT_EQ(ids.size(), LastCommandId - FirstCommandId + 1);
  for (unsigned id = FirstCommandId; id <= LastCommandId; ++id)
    EXPECT_EQ(static_cast<unsigned>(Command(static_cast<TCommandId>(id)).Id), id);
}

TEST_F(CommandTable, SwitchesToggleTheirSettingAndShowItAsTheCheckMark) {
  const struct {
    TCommandId Id;
    TSettingId Switch;
    const wchar_t* Key;
  } cases[] = {
      {C::EnableKeyRepeat, S::EnableKeyRepeat, L"EnableKeyRepeat"},
      {C::FitWidth, S::FitWidth, L"FitWidth"},
      {C::LockSize, S::LockSize, L"LockSize"},
      {C::HoverPress, S::HoverPress, L"HoverPress"},
      {C::WordSuggestions, S::WordSuggestions, L"WordSuggestions"},
      {C::KeepClear, S::KeepClear, L"KeepClear"},
      {C::Scanning, S::Scanning, L"Scanning"},
      {C::ClickSound, S::ClickSound, L"ClickSound"},
  };
  const TSwitchState switches = [this](TSettingId id) { return settings.Switch(id); };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Key);
    EXPECT_FALSE(CommandChecked(Command(c.Id), switches));
    EXPECT_EQ(Run(c.Id), std::vector<std::wstring>{std::wstring(c.Key) + L"=1"});
    EXPECT_TRUE(CommandChecked(Command(c.Id), switches));
    EXPECT_EQ(Run(c.Id), std::vector<std::wstring>{std::wstring(c.Key) + L"=0"});
  }
  settings.values[S::FitWidth] = 1;
  EXPECT_FALSE(CommandChecked(Command(C::ChangeColors), switches));
  EXPECT_FALSE(CommandChecked(Command(C::Settings), switches));
}

TEST_F(CommandTable, CyclingCommandsGoOnFromTheStoredNumber) {
  // The value in use plays no part: the next scheme follows the stored one (1 when none).
  settings.values[S::ColorScheme] = 4;
  EXPECT_EQ(Run(C::ChangeColors), std::vector<std::wstring>{L"Colors=2"});
  disk.Value(Ini, L"Colors") = L"10";
  EXPECT_EQ(Run(C::ChangeColors), std::vector<std::wstring>{L"Colors=1"});
  // The next keyboard type is the window's answer (the layout files are read there).
  EXPECT_EQ(Run(C::ChangeKeyboardType), std::vector<std::wstring>{L"Keyboard=7"});
}

TEST_F(CommandTable, PagesOpenInTheInterfaceLanguageAndSettingsShowsTheDialog) {
  const struct {
    TCommandId Id;
    std::wstring Call;
  } cases[] = {
      {C::OnlineKeyboard, L"OpenUrl " + OnlineKeyboardUrl(German)},
      {C::OnlineHelp, L"OpenUrl " + OnlineHelpUrl(German)},
      {C::AboutOrvilla, L"OpenUrl " + AboutOrvillaUrl(German)},
      {C::AboutSentaro, L"OpenUrl " + AboutSentaroUrl(German)},
      {C::Settings, L"ShowSettings"},
  };
  for (const auto& c : cases) EXPECT_EQ(Run(c.Id), std::vector<std::wstring>{c.Call}) << c.Call;
}

#include "commands/system_menu_plan.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Expected {
  bool Separator;
  unsigned Id;
  const wchar_t* Caption;
};

// The switches of the menu, each with a check mark.
struct TCommandSwitches {
  bool EnableKeyRepeat = false;
  bool FitWidth = false;
  bool LockSize = false;
  bool HoverPress = false;
  bool WordSuggestions = false;
  bool KeepClear = false;
  bool Scanning = false;
  bool ClickSound = false;
};

TSwitchState SwitchState(TCommandSwitches s) {
  return [s](TSettingId id) {
    switch (id) {
      case TSettingId::EnableKeyRepeat: return s.EnableKeyRepeat;
      case TSettingId::FitWidth: return s.FitWidth;
      case TSettingId::LockSize: return s.LockSize;
      case TSettingId::HoverPress: return s.HoverPress;
      case TSettingId::WordSuggestions: return s.WordSuggestions;
      case TSettingId::KeepClear: return s.KeepClear;
      case TSettingId::Scanning: return s.Scanning;
      case TSettingId::ClickSound: return s.ClickSound;
      default: return false;
    }
  };
}

}  // namespace

TEST(SystemMenuPlan, NineteenItemsInOrderWithTheirIdsAndCaptions) {
  const TCommandCaptions captions = TranslateCommandCaptions(0x0409, L"1.2.3");
  const auto items = SystemMenuItems(captions, SwitchState({}));
  const Expected expected[] = {
      {true, 0, L""},
      {false, 1027, L"Enable key repeat"},
      {false, 1030, L"Fit width"},
      {false, 1034, L"Lock window size"},
      {false, 1036, L"Hover to type"},
      {false, 1037, L"Word suggestions"},
      {false, 1039, L"Scanning"},
      {false, 1040, L"Click sound"},
      {false, 1038, L"Keep clear of the text cursor"},
      {false, 1028, L"Change colors"},
      {false, 1029, L"Change keyboard type"},
      {true, 0, L""},
      {false, 1033, L"Settings"},
      {true, 0, L""},
      {false, 1035, L"Online Keyboard"},
      {false, 1032, L"Online Help"},
      {false, 1026, L"About Orvilla 1.2.3"},
      {true, 0, L""},
      {false, 1031, L"About Sentaro"},
  };
  ASSERT_EQ(items.size(), std::size(expected));
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[i].Separator, expected[i].Separator);
    EXPECT_EQ(items[i].Id, expected[i].Id);
    EXPECT_EQ(items[i].Caption, expected[i].Caption);
    EXPECT_FALSE(items[i].Checked);
  }
}

TEST(SystemMenuPlan, CaptionsFollowTheInterfaceLanguage) {
  const auto items = SystemMenuItems(TranslateCommandCaptions(0x0407, L"1.0"), SwitchState({}));
  EXPECT_EQ(items[1].Caption, L"Tastendruckwiederholung aktivieren");
  EXPECT_EQ(items[4].Caption, L"Tippen durch Verweilen");
  EXPECT_EQ(items[5].Caption, L"Wortvorschläge");
  EXPECT_EQ(items[6].Caption, L"Scannen");
  EXPECT_EQ(items[7].Caption, L"Klickton");
  EXPECT_EQ(items[8].Caption, L"Der Schreibmarke ausweichen");
  EXPECT_EQ(items[12].Caption, L"Einstellungen");
  EXPECT_EQ(items[16].Caption, L"Über Orvilla 1.0");
}

TEST(SystemMenuPlan, EachSwitchChecksOnlyItsOwnItem) {
  const TCommandCaptions captions = TranslateCommandCaptions(0x0409, L"1.0");
  const struct {
    TCommandSwitches Switches;
    unsigned CheckedId;
  } cases[] = {
      {{true, false, false, false, false, false, false, false}, 1027},
      {{false, true, false, false, false, false, false, false}, 1030},
      {{false, false, true, false, false, false, false, false}, 1034},
      {{false, false, false, true, false, false, false, false}, 1036},
      {{false, false, false, false, true, false, false, false}, 1037},
      {{false, false, false, false, false, true, false, false}, 1038},
      {{false, false, false, false, false, false, true, false}, 1039},
      {{false, false, false, false, false, false, false, true}, 1040},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.CheckedId);
    for (const TSystemMenuItem& item : SystemMenuItems(captions, SwitchState(c.Switches)))
      EXPECT_EQ(item.Checked, item.Id == c.CheckedId) << item.Id;
    const TSystemMenuItem one = SystemMenuItem(static_cast<TCommandId>(c.CheckedId), captions, SwitchState(c.Switches));
    EXPECT_TRUE(one.Checked);
    EXPECT_FALSE(one.Separator);
  }
  const auto all = SystemMenuItems(captions, SwitchState({true, true, true, true, true, true, true, true}));
  EXPECT_TRUE(all[1].Checked && all[2].Checked && all[3].Checked && all[4].Checked && all[5].Checked &&
              all[6].Checked && all[7].Checked && all[8].Checked);
  EXPECT_FALSE(all[9].Checked || all[10].Checked || all[12].Checked);
}

TEST(SystemMenuPlan, OnlyTheProgramsIdsAreCommands) {
  TCommandId command = TCommandId::Settings;
  for (unsigned id = 1026; id <= 1040; ++id) {
    ASSERT_TRUE(CommandOfSysCommand(id, command)) << id;
    EXPECT_EQ(static_cast<unsigned>(command), id);
    // Every command has an item in the menu.
    bool listed = false;
    for (const auto& item : SystemMenuItems(TranslateCommandCaptions(0x0409, L""), SwitchState({})))
      listed = listed || item.Id == id;
    EXPECT_TRUE(listed) << id;
  }
  // SC_CLOSE, SC_MOVE, SC_KEYMENU, the neighbours, and a value whose low 16 bits would match.
  const std::uintptr_t others[] = {0, 1025, 1041, 0xF060, 0xF010, 0xF100, 0x10000u + 1027};
  for (std::uintptr_t wParam : others) {
    command = TCommandId::Settings;
    EXPECT_FALSE(CommandOfSysCommand(wParam, command)) << wParam;
    EXPECT_EQ(command, TCommandId::Settings);
  }
}

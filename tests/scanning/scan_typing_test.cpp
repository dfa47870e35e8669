// Switch scanning on a keyboard: the highlight on the keys, and a chosen key pressed exactly as a
// left click on it would press it.
#include "scanning/scan_typing.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "input/input_rig.h"

namespace {

// The rig's rows: 0: Backspace, Enter (main part), Enter (numeric-pad part), Caps Lock, Escape,
// Delete, the arrows; 1: A, S, Apps, Num Lock, Scroll Lock; 2: the modifiers.
struct TScanRig : TInputRig {
  TScanTyping scan{keyboard, pointer, 1000};
  std::uint32_t now = 0;

  // Waits for the highlight to reach row, then chooses it; then waits for item and chooses it,
  // checking at every ScanCheckInterval as the window's timer does.
  // Presses come no sooner than the switch's bounce time after the last.
  void Type(int row, int item) {
    Advance(SwitchBounceTime);
    Until([&] { return scan.Item() < 0 && scan.Row() == row; });
    ASSERT_EQ(scan.Switch(now), TSwitchResult::RowChosen);
    Advance(SwitchBounceTime);
    Until([&] { return scan.Item() == item; });
    ASSERT_EQ(scan.Switch(now), TSwitchResult::ItemChosen);
    Advance(ScanCheckInterval);
  }
  template <typename TDone>
  void Until(TDone done) {
    for (int i = 0; i < 1000 && !done(); ++i) Advance(ScanCheckInterval);
    ASSERT_TRUE(done());
  }
  void Advance(std::uint32_t ms) {
    now += ms;
    window.Advance(ms);
    scan.Tick(now);
  }
  std::vector<int> Highlighted() const {
    std::vector<int> codes;
    for (int code = 1; code <= 255; ++code)
      if (keyboard.Key(code) && keyboard.Key(code)->ScanHighlighted()) codes.push_back(code);
    return codes;
  }
};

// The scanner's position seen through TScanTyping's rows.
TEST(ScanTyping, TheHighlightFollowsTheRowsAndThenTheKeys) {
  TScanRig rig;
  rig.scan.Start(0);
  ASSERT_EQ(rig.scan.Rows().size(), 3u);
  EXPECT_EQ(rig.Highlighted(), (std::vector<int>{8, 13, 20, 27, 37, 38, 39, 40, 46}));
  rig.Advance(1000);
  EXPECT_EQ(rig.Highlighted(), (std::vector<int>{65, 83, 93, 144, 145}));
  ASSERT_EQ(rig.scan.Switch(rig.now), TSwitchResult::RowChosen);
  EXPECT_EQ(rig.Highlighted(), (std::vector<int>{65}));
  rig.Advance(1500);
  EXPECT_EQ(rig.Highlighted(), (std::vector<int>{83}));
  rig.scan.Stop();
  EXPECT_TRUE(rig.Highlighted().empty());
  EXPECT_TRUE(rig.injector.Events.empty());
}

// Each case: the keys chosen by switch, and the same keys clicked.
struct TPressCase {
  const char* Name;
  std::vector<std::pair<int, int>> Items;  // (row, item)
  std::vector<int> Clicked;                // codes; 13 and -13 for Enter's two parts
};

const TPressCase PressCases[] = {
    {"ordinary key", {{1, 1}}, {83}},
    {"latched Shift then a key", {{2, 0}, {1, 0}}, {160, 65}},
    {"Ctrl latched twice is released", {{2, 2}, {2, 2}, {1, 1}}, {162, 162, 83}},
    {"Caps Lock", {{0, 3}, {1, 0}}, {20, 65}},
    {"Enter's numeric-pad part", {{0, 2}, {0, 1}}, {-13, 13}},
    {"Apps key opens the settings", {{1, 2}}, {93}},
};

class ScanTypingPress : public ::testing::TestWithParam<TPressCase> {};

TEST_P(ScanTypingPress, SendsWhatClicksOnTheSameKeysSend) {
  const TPressCase& c = GetParam();
  TScanRig scanned;
  scanned.scan.Start(0);
  for (const auto& [row, item] : c.Items) {
    scanned.Type(row, item);
    if (HasFatalFailure()) return;
  }
  scanned.Advance(200);  // the settings delay, for the Apps key

  TScanRig clicked;
  for (int code : c.Clicked) {
    if (code == 13 || code == -13) {
      const TPoint p = clicked.Centre(13, code < 0);
      clicked.MouseDown(p);
      clicked.window.Advance(10);
      clicked.MouseUp(p);
    } else {
      clicked.Click(code);
    }
  }
  clicked.window.Advance(200);

  EXPECT_FALSE(scanned.injector.Events.empty());
  EXPECT_EQ(scanned.injector.Events, clicked.injector.Events);
  EXPECT_EQ(scanned.SettingsShown, clicked.SettingsShown);
  for (int code = 1; code <= 255; ++code) EXPECT_EQ(scanned.Shown(code), clicked.Shown(code)) << code;
}

INSTANTIATE_TEST_SUITE_P(Keys, ScanTypingPress, ::testing::ValuesIn(PressCases),
                         [](const ::testing::TestParamInfo<TPressCase>& info) {
                           std::string name;
                           for (const char* p = info.param.Name; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

TEST(ScanTyping, StoppingReleasesAKeyStillDown) {
  TScanRig rig;
  rig.scan.Start(0);
  rig.Advance(1000);
  rig.scan.Switch(rig.now);
  rig.now += 400;
  ASSERT_EQ(rig.scan.Switch(rig.now), TSwitchResult::ItemChosen);
  ASSERT_TRUE(rig.Shown(65));
  rig.scan.Stop();
  EXPECT_FALSE(rig.Shown(65));
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65), KeyUp(65)}));
  EXPECT_FALSE(rig.scan.ReleasePending());
}

TEST(ScanTyping, ANewLayoutStartsOverAndMovedKeysKeepThePlace) {
  TScanRig rig;
  rig.scan.Start(0);
  rig.Advance(1000);
  rig.Advance(1000);
  ASSERT_EQ(rig.scan.Row(), 2);
  rig.scan.KeysMoved(rig.now);  // the same rows
  EXPECT_EQ(rig.scan.Row(), 2);
  rig.keyboard.FreeKey(92);
  rig.scan.KeysMoved(rig.now);  // one key fewer: the rows differ
  EXPECT_EQ(rig.scan.Row(), 0);
  EXPECT_EQ(rig.Highlighted(), (std::vector<int>{8, 13, 20, 27, 37, 38, 39, 40, 46}));
}

// A suggestion row before the keys: highlighted and pressed through its owner.
class TFakeLeadingRow : public TScanLeadingRow {
 public:
  TScanRow Row() const override {
    TScanRow row(3);
    for (int i = 0; i < 3; ++i) {
      row[i].Kind = TScanItemKind::Suggestion;
      row[i].Index = i;
    }
    return row;
  }
  void ShowHighlight(bool highlighted, int item) override { Shown = highlighted ? item : -2; }
  void Press(int index) override { Pressed.push_back(index); }
  int Shown = -2;
  std::vector<int> Pressed;
};

TEST(ScanTyping, ALeadingRowComesFirst) {
  TInputRig rig;
  TFakeLeadingRow suggestions;
  TScanTyping scan(rig.keyboard, rig.pointer, 1000, &suggestions);
  scan.Start(0);
  ASSERT_EQ(scan.Rows().size(), 4u);
  EXPECT_EQ(suggestions.Shown, -1);
  EXPECT_FALSE(rig.keyboard.Key(8)->ScanHighlighted());
  scan.Switch(100);
  scan.Tick(1600);
  EXPECT_EQ(suggestions.Shown, 1);
  scan.Switch(1700);
  EXPECT_EQ(suggestions.Pressed, (std::vector<int>{1}));
  EXPECT_TRUE(rig.injector.Events.empty());
  scan.Tick(2700);
  EXPECT_EQ(suggestions.Shown, -2);
  EXPECT_TRUE(rig.keyboard.Key(8)->ScanHighlighted());
}

TEST(ScanTyping, ASuggestionRowThatComesOrGoesMidScanRestartsTheRows) {
  TInputRig rig;
  TScanTyping scan(rig.keyboard, rig.pointer, 1000);
  scan.Start(0);
  scan.Tick(1000);
  ASSERT_EQ(scan.Rows().size(), 3u);
  ASSERT_EQ(scan.Row(), 1);
  TFakeLeadingRow suggestions;
  scan.SetLeadingRow(&suggestions, 1500);
  ASSERT_EQ(scan.Rows().size(), 4u);
  EXPECT_EQ(scan.Row(), 0);  // from the first row: the suggestions
  EXPECT_EQ(suggestions.Shown, -1);
  EXPECT_FALSE(rig.keyboard.Key(8)->ScanHighlighted());
  scan.SetLeadingRow(nullptr, 2000);
  EXPECT_EQ(suggestions.Shown, -2);  // the row that goes loses its highlight
  EXPECT_EQ(scan.Rows().size(), 3u);
  EXPECT_TRUE(rig.keyboard.Key(8)->ScanHighlighted());
  scan.Stop();
  scan.SetLeadingRow(&suggestions, 2500);  // not scanning: nothing starts
  EXPECT_FALSE(scan.Running());
  EXPECT_EQ(suggestions.Shown, -2);
}

}  // namespace

#include <gtest/gtest.h>

#include "platform/busy_cursor.h"
#include "platform/command_line.h"
#include "platform/command_line_cases.h"
#include "platform/debug_log.h"
#include "platform/screen_scale.h"
#include "platform/version_text.h"
#include "platform/work_area.h"

namespace {

class RecordingCursor : public TBusyCursorDisplay {
 public:
  void ShowWaitCursor() override { shown = L"wait"; }
  void ShowDefaultCursor() override { shown = L"default"; }
  std::wstring shown = L"none";
};

class BusyCursorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BusyCount = 0;
    SetBusyCursorDisplay(&cursor);
  }
  void TearDown() override { SetBusyCursorDisplay(nullptr); }
  RecordingCursor cursor;
};

}  // namespace

TEST_F(BusyCursorTest, NestedSectionsKeepTheHourglassUntilTheLastEnds) {
  BeginBusy(false);
  BeginBusy(false);
  EndBusy(false);
  EXPECT_EQ(cursor.shown, L"wait");
  EXPECT_EQ(BusyCount, 1);
  EndBusy(false);
  EXPECT_EQ(cursor.shown, L"default");
  EndBusy(false);
  EXPECT_EQ(BusyCount, 0);  // never below zero
}

TEST_F(BusyCursorTest, ResetEndsEverySectionAtOnce) {
  BeginBusy(false);
  BeginBusy(false);
  BeginBusy(false);
  EndBusy(true);
  EXPECT_EQ(BusyCount, 0);
  EXPECT_EQ(cursor.shown, L"default");
  BeginBusy(false);
  BeginBusy(true);
  EXPECT_EQ(BusyCount, 1);
}

TEST(ScreenScale, DpiUnscaleAtCommonResolutions) {
  struct Case {
    int size, ppi, expected;
  };
  const Case cases[] = {
      {14, 96, 14}, {14, 120, 11}, {14, 144, 9}, {16, 144, 11}, {36, 144, 24}, {16, 120, 13}, {36, 120, 29},
      {8, 144, 6},  {3, 144, 2},   {12, 144, 8}, {11, 144, 9},  {5, 96, 5},    {1, 192, 2},  // small sizes never go
                                                                                             // below 2
  };
  for (const auto& c : cases) EXPECT_EQ(DpiUnscale(c.size, c.ppi), c.expected) << c.size << " at " << c.ppi;
  EXPECT_DOUBLE_EQ(ScreenScale(144), 1.5);
  EXPECT_DOUBLE_EQ(PpiScale(120), 1.25);
}

TEST(WorkArea, KeepRectOnWorkAreaMovesButNeverResizes) {
  const TRect wa{0, 0, 1920, 1040};
  struct Case {
    TRect window, expected;
  };
  const Case cases[] = {
      {{-50, 100, 650, 400}, {0, 100, 700, 400}},          // off the left edge
      {{1500, 900, 2000, 1200}, {1420, 740, 1920, 1040}},  // beyond right and bottom
      {{100, 100, 600, 400}, {100, 100, 600, 400}},        // already inside
      {{500, 0, 2500, 300}, {0, 0, 2000, 300}},            // wider than the work area: left edge
      {{10, 10, 510, 1510}, {10, 0, 510, 1500}},           // taller: top edge
  };
  for (const auto& c : cases) EXPECT_EQ(KeepRectOnWorkArea(c.window, wa), c.expected);
  EXPECT_EQ(KeepRectOnWorkArea({0, 0, 100, 100}, {200, 50, 1000, 800}), (TRect{200, 50, 300, 150}));
}

TEST(VersionText, TrailingZeroGroupsAreDroppedAndShortTextsFallBack) {
  struct Case {
    const wchar_t* file;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"10.3.0.0", L"10.3"}, {L"2.1.4.0", L"2.1.4"},   {L"1.5.0.0", L"product"},
      {L"", L"product"},      {L"3.0.0.1", L"3.0.0.1"}, {L"1.10", L"1.10"},
  };
  for (const auto& c : cases) EXPECT_EQ(VersionTextFrom(c.file, L"product"), c.expected) << c.file;
}

TEST(CommandLine, SwitchNeedsADashOrSlashAndIgnoresCase) {
  EXPECT_TRUE(HasCommandLineSwitch({L"/debug"}, L"DEBUG"));
  EXPECT_TRUE(HasCommandLineSwitch({L"x", L"-DeBuG"}, L"DEBUG"));
  EXPECT_FALSE(HasCommandLineSwitch({L"debug"}, L"DEBUG"));
  EXPECT_FALSE(HasCommandLineSwitch({L"/debugger"}, L"DEBUG"));
  EXPECT_FALSE(HasCommandLineSwitch({L"/", L"-"}, L"DEBUG"));
  EXPECT_FALSE(HasCommandLineSwitch({}, L"COMMON"));
}

TEST(CommandLine, SplitGivesTheArgumentsTheSystemGives) {
  for (const TCommandLineCase& c : CommandLineCases())
    EXPECT_EQ(SplitCommandLine(c.Line), c.Args) << std::string(c.Line.begin(), c.Line.end());
}

TEST(DebugLog, LinesAreDateTimeColonMessageWithCrLf) {
  EXPECT_EQ(FormatLogLine(L"10.12.2026 12:00:01", L"MainForm"), L"10.12.2026 12:00:01 : MainForm");
  EXPECT_EQ(LogFileText({L"a", L"b"}), L"a\r\nb\r\n");
  EXPECT_EQ(LogFileText({}), L"");
}

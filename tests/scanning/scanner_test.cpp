// The scanner on a fake clock: each case is a script of ticks and switch presses at given
// times, with the highlight expected after each.
#include "scanning/scanner.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

enum class TAct { Tick, Switch, Start };

struct TEvent {
  std::uint32_t Time;
  TAct Act;
  int Row;  // expected highlight after the event
  int Item;
  TSwitchResult Result = TSwitchResult::Ignored;  // for Switch
};

struct TCase {
  const char* Name;
  int Interval;
  std::vector<int> Rows;
  std::uint32_t StartTime;
  std::vector<TEvent> Events;
  // For Start events: the rows given then.
  std::vector<int> NewRows = {};
};

constexpr TAct T = TAct::Tick;
constexpr TAct S = TAct::Switch;
constexpr TSwitchResult RowChosen = TSwitchResult::RowChosen;
constexpr TSwitchResult ItemChosen = TSwitchResult::ItemChosen;
constexpr TSwitchResult Ignored = TSwitchResult::Ignored;

const std::vector<TCase>& Cases() {
  static const std::vector<TCase> cases = {
      {"rows step every interval and wrap",
       1000,
       {3, 2, 4},
       0,
       {{999, T, 0, -1}, {1000, T, 1, -1}, {1999, T, 1, -1}, {2000, T, 2, -1}, {3000, T, 0, -1}}},
      {"ticks keep the rhythm when the clock comes late",
       1000,
       {1, 1, 1, 1},
       0,
       {{1040, T, 1, -1}, {2000, T, 2, -1}, {3010, T, 3, -1}}},
      {"a row chosen: its first item lasts one and a half intervals",
       1000,
       {3, 2},
       0,
       {{1000, T, 1, -1},
        {1200, S, 1, 0, RowChosen},
        {2200, T, 1, 0},
        {2699, T, 1, 0},
        {2700, T, 1, 1},
        {3700, T, 1, 0}}},
      {"two passes through a row without a press go back to the rows",
       500,
       {2, 3},
       0,
       {{100, S, 0, 0, RowChosen},
        {850, T, 0, 1},
        {1350, T, 0, 0},
        {1850, T, 0, 1},
        {2350, T, 0, -1},
        {2850, T, 1, -1}}},
      {"an item chosen starts again at the first row",
       1000,
       {2, 4, 3},
       0,
       {{2000, T, 1, -1},
        {2100, S, 1, 0, RowChosen},
        {3600, T, 1, 1},
        {4600, T, 1, 2},
        {4700, S, 0, -1, ItemChosen},
        {5699, T, 0, -1},
        {5700, T, 1, -1}}},
      {"a press within 300 ms of the last is bounce",
       1000,
       {2, 2},
       0,
       {{500, S, 0, 0, RowChosen},
        {799, S, 0, 0, Ignored},
        {800, S, -2, -2, ItemChosen},
        {1099, S, 0, -1, Ignored},
        {1100, S, 0, 0, RowChosen}}},
      {"bounce counts from the last accepted press, not the ignored one",
       1000,
       {2},
       0,
       {{1000, S, 0, 0, RowChosen}, {1250, S, 0, 0, Ignored}, {1300, S, 0, -1, ItemChosen}}},
      {"a new layout mid-scan starts over at its first row",
       1000,
       {3, 3, 3},
       0,
       {{1000, T, 1, -1},
        {1500, S, 1, 0, RowChosen},
        {3000, T, 1, 1},
        {3100, TAct::Start, 0, -1},
        {4000, T, 0, -1},
        {4100, T, 1, -1},
        {5100, T, 0, -1}},
       {5, 0, 5}},
      {"rows without items are skipped; no rows, nothing to choose",
       1000,
       {0, 2, 0},
       0,
       {{1000, T, 0, -1},
        {1100, S, 0, 0, RowChosen},
        {3000, TAct::Start, -1, -1},
        {9000, T, -1, -1},
        {9500, S, -1, -1, Ignored}},
       {}},
      {"clock wrap-around",
       1000,
       {2, 2},
       0xFFFFFF00u,
       {{0xFFFFFFFFu, T, 0, -1}, {0x000002E8u, T, 1, -1}, {0x00000300u, S, 1, 0, RowChosen}}},
  };
  return cases;
}

class ScannerTest : public ::testing::TestWithParam<TCase> {};

TEST_P(ScannerTest, FollowsTheScript) {
  const TCase& c = GetParam();
  TScanner scanner(c.Interval);
  scanner.Start(c.Rows, c.StartTime);
  ASSERT_EQ(scanner.Row(), c.Rows.empty() ? -1 : 0);
  for (const TEvent& e : c.Events) {
    const std::string at = std::to_string(e.Time);
    if (e.Act == TAct::Tick) scanner.Tick(e.Time);
    if (e.Act == TAct::Start) scanner.Start(c.NewRows, e.Time);
    if (e.Act == TAct::Switch) {
      const int rowBefore = scanner.Row();
      const int itemBefore = scanner.Item();
      ASSERT_EQ(scanner.Switch(e.Time), e.Result) << at;
      if (e.Result == ItemChosen) {
        EXPECT_EQ(scanner.ChosenRow(), rowBefore) << at;
        EXPECT_EQ(scanner.ChosenItem(), itemBefore) << at;
      }
    }
    if (e.Row == -2) continue;  // the position is checked through ChosenRow/ChosenItem
    EXPECT_EQ(scanner.Row(), e.Row) << at;
    EXPECT_EQ(scanner.Item(), e.Item) << at;
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScannerTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<TCase>& info) {
                           std::string name;
                           for (const char* p = info.param.Name; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

TEST(Scanner, TickReportsOnlyAMove) {
  TScanner scanner(1000);
  scanner.Start({2, 2}, 0);
  EXPECT_FALSE(scanner.Tick(999));
  EXPECT_TRUE(scanner.Tick(1000));
  EXPECT_FALSE(scanner.Tick(1001));
}

TEST(Scanner, StoppedScannerHighlightsNothingAndIgnoresTheSwitch) {
  TScanner scanner(1000);
  scanner.Start({2, 2}, 0);
  scanner.Stop();
  EXPECT_EQ(scanner.Row(), -1);
  EXPECT_FALSE(scanner.Tick(5000));
  EXPECT_EQ(scanner.Switch(5000), Ignored);
}

TEST(Scanner, TimeIsLimited) {
  EXPECT_EQ(LimitScanTime(100), ScanTimeMin);
  EXPECT_EQ(LimitScanTime(1500), 1500);
  EXPECT_EQ(LimitScanTime(999999), ScanTimeMax);
  EXPECT_EQ(TScanner(10).Interval(), ScanTimeMin);
}

}  // namespace

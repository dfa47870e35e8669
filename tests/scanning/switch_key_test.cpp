#include "scanning/switch_key.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ScanKey, OnlyTheListedKeysAreKept) {
  const std::vector<int> listed = {32, 112, 113, 118, 123, 13, 19, 145};
  for (int vk : listed) EXPECT_EQ(LimitScanKey(vk), vk) << vk;
  for (int bad : {0, -1, 65, 124, 160, 256, 32 + 256}) EXPECT_EQ(LimitScanKey(bad), 32) << bad;
  EXPECT_EQ(SwitchKeyCodes.front(), 32);
  EXPECT_EQ(SwitchKeyCodes[12], 123);  // F12
}

struct TKeyEvent {
  std::uint32_t Vk;
  bool Down;
  bool Injected;
  TSwitchKeyAction Expected;
};

TEST(SwitchKeyFilter, SwallowsTheSwitchKeyPressingOncePerHoldAndPassesEverythingElse) {
  constexpr auto Pass = TSwitchKeyAction::Pass;
  constexpr auto Swallow = TSwitchKeyAction::Swallow;
  constexpr auto Press = TSwitchKeyAction::Press;
  TSwitchKeyFilter filter(113);  // F2
  const TKeyEvent events[] = {
      {'A', true, false, Pass}, {'A', false, false, Pass},   {113, true, false, Press},    {113, true, false, Swallow},
      {'B', true, false, Pass}, {113, true, false, Swallow}, {113, false, false, Swallow}, {113, true, true, Pass},
      {113, false, true, Pass}, {113, true, false, Press},   {113, true, true, Pass},      {113, false, false, Swallow},
      {32, true, false, Pass},  {114, true, false, Pass},    {113, true, false, Press},
  };
  int i = 0;
  for (const TKeyEvent& e : events) EXPECT_EQ(filter.OnKey(e.Vk, e.Down, e.Injected), e.Expected) << "event " << i++;
}

TEST(SwitchKeyFilter, AnUnlistedKeyFallsBackToSpace) {
  TSwitchKeyFilter filter('Q');
  EXPECT_EQ(filter.Key(), 32);
  EXPECT_EQ(filter.OnKey('Q', true, false), TSwitchKeyAction::Pass);
  EXPECT_EQ(filter.OnKey(32, true, false), TSwitchKeyAction::Press);
}

}  // namespace

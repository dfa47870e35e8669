#include "commands/command_cycling.h"

#include <gtest/gtest.h>

#include <climits>

TEST(CommandCycling, NextFollowsTheStoredNumberAndWraps) {
  const struct {
    int Stored, NextScheme;
  } cases[] = {
      {1, 2},  // nothing stored reads as 1: the first command gives 2
      {5, 6},       {6, 7},       {7, 8},  {8, 9}, {9, 10}, {10, 1},  // the last scheme is followed by the first
      {0, 1},       {11, 1},      {-3, 1},  // a negative number would otherwise take many commands to reach a valid one
      {INT_MAX, 1}, {INT_MIN, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Stored);
    EXPECT_EQ(NextColorScheme(c.Stored), c.NextScheme);
  }
}

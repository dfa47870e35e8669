#include "app/window_opacity.h"

#include <gtest/gtest.h>

#include <climits>

TEST(AppliedOpacity, LimitsEveryValueToTheSlidersRange) {
  struct Case {
    int transparency;
    int applied;
  };
  const Case cases[] = {
      {INT_MIN, 50}, {-1, 50},   {0, 50},    {49, 50},   {50, 50},   {51, 51},
      {180, 180},    {255, 255}, {256, 255}, {305, 255}, {511, 255}, {INT_MAX, 255},
  };
  for (const auto& c : cases) EXPECT_EQ(AppliedOpacity(c.transparency), c.applied) << c.transparency;
}

// Hover typing: the hover check driven by a clock and pointer positions, as a table of walks of
// the pointer; and its presses on the click road of a small keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/hover_press.h"
#include "input/hover_typing.h"
#include "input/input_rig.h"

namespace {

using P = THoverPlace;

// One check: the time since the walk began, what is under the pointer, and the key expected to
// fire at that check (0 none).
struct TCheck {
  std::uint32_t At;
  THoverSample Sample;
  int Fires;
};

THoverSample OnKey(std::uint8_t code, int x, int y) { return {P::Key, code, {x, y}, false, false}; }
THoverSample On(P place, int x, int y) { return {place, 0, {x, y}, false, false}; }
THoverSample Held(std::uint8_t code, int x, int y) { return {P::Key, code, {x, y}, true, false}; }
THoverSample Pen(std::uint8_t code, int x, int y) { return {P::Key, code, {x, y}, false, true}; }

struct TWalk {
  std::string Name;
  int Time;
  std::vector<TCheck> Checks;
};

class HoverWalk : public ::testing::TestWithParam<TWalk> {};

TEST_P(HoverWalk, FiresWhereExpected) {
  const TWalk& walk = GetParam();
  // Starts near the wrap of the tick count: differences are unsigned.
  const std::uint32_t start = 0xFFFFFF00u;
  THoverPress hover(walk.Time, 4);
  for (const TCheck& check : walk.Checks)
    EXPECT_EQ(hover.Check(start + check.At, check.Sample), check.Fires) << walk.Name << " at " << check.At;
}

INSTANTIATE_TEST_SUITE_P(
    Table, HoverWalk,
    ::testing::Values(
        TWalk{"RestThenFire", 1000,
              {{0, OnKey(72, 10, 10), 0}, {950, OnKey(72, 10, 10), 0}, {1000, OnKey(72, 10, 10), 72},
               // Once per visit.
               {2000, OnKey(72, 10, 10), 0}, {5000, OnKey(72, 10, 10), 0}}},
        TWalk{"JitterWithinTolerance", 1000,
              {{0, OnKey(72, 10, 10), 0}, {300, OnKey(72, 14, 6), 0}, {600, OnKey(72, 10, 10), 0},
               {1000, OnKey(72, 13, 13), 72}}},
        TWalk{"MoveBeyondToleranceStartsAgain", 1000,
              {{0, OnKey(72, 10, 10), 0}, {900, OnKey(72, 15, 10), 0}, {1000, OnKey(72, 15, 10), 0},
               {1899, OnKey(72, 15, 10), 0}, {1900, OnKey(72, 15, 10), 72}}},
        TWalk{"LeaveAndComeBack", 1000,
              {{0, OnKey(72, 10, 10), 0}, {1000, OnKey(72, 10, 10), 72}, {1100, OnKey(73, 40, 10), 0},
               {1200, OnKey(72, 10, 10), 0}, {2199, OnKey(72, 10, 10), 0}, {2200, OnKey(72, 10, 10), 72}}},
        TWalk{"NextKeyHasItsOwnTime", 1000,
              {{0, OnKey(72, 10, 10), 0}, {700, OnKey(73, 40, 10), 0}, {1000, OnKey(73, 40, 10), 0},
               {1700, OnKey(73, 40, 10), 73}}},
        TWalk{"LeavingTheWindowEndsTheVisit", 1000,
              {{0, OnKey(72, 10, 10), 0}, {1000, OnKey(72, 10, 10), 72}, {1050, On(P::Outside, 10, 10), 0},
               {1100, OnKey(72, 10, 10), 0}, {2100, OnKey(72, 10, 10), 72}}},
        TWalk{"ButtonHeldSpendsTheVisit", 1000,
              {{0, OnKey(72, 10, 10), 0}, {500, Held(72, 10, 10), 0}, {1000, OnKey(72, 10, 10), 0},
               {3000, OnKey(72, 10, 10), 0}, {3100, OnKey(73, 40, 10), 0}, {4100, OnKey(73, 40, 10), 73}}},
        TWalk{"ButtonHeldFromTheStart", 1000,
              {{0, Held(72, 10, 10), 0}, {1000, Held(72, 10, 10), 0}, {2000, OnKey(72, 10, 10), 0}}},
        TWalk{"BackgroundNeverFires", 1000,
              {{0, On(P::Background, 200, 150), 0}, {1000, On(P::Background, 200, 150), 0},
               {5000, On(P::Background, 200, 150), 0}}},
        TWalk{"SliderNeverFiresAndEndsTheVisit", 1000,
              {{0, OnKey(72, 10, 10), 0}, {600, On(P::Slider, 300, 150), 0}, {5000, On(P::Slider, 300, 150), 0},
               {5100, OnKey(72, 10, 10), 0}, {6099, OnKey(72, 10, 10), 0}, {6100, OnKey(72, 10, 10), 72}}},
        TWalk{"TitleBarIsOutside", 1000,
              {{0, On(P::Outside, 10, -10), 0}, {2000, On(P::Outside, 10, -10), 0}}},
        TWalk{"PenNeverFires", 1000,
              {{0, Pen(72, 10, 10), 0}, {1000, Pen(72, 10, 10), 0}, {1500, OnKey(72, 10, 10), 0},
               {3000, OnKey(72, 10, 10), 0}}},
        TWalk{"TouchOnAnotherKeyDoesNotFireThere", 1000,
              {{0, OnKey(72, 10, 10), 0}, {200, Pen(73, 40, 10), 0}, {1500, OnKey(73, 40, 10), 0}}},
        TWalk{"TimeBelowTheLowerLimitIsRaised", 100,
              {{0, OnKey(72, 10, 10), 0}, {499, OnKey(72, 10, 10), 0}, {500, OnKey(72, 10, 10), 72}}},
        TWalk{"TimeAboveTheUpperLimitIsLowered", 60000,
              {{0, OnKey(72, 10, 10), 0}, {2999, OnKey(72, 10, 10), 0}, {3000, OnKey(72, 10, 10), 72}}}),
    [](const ::testing::TestParamInfo<TWalk>& info) { return info.param.Name; });

TEST(HoverPress, ProgressRunsFromNothingToFullAndIsGoneOnceFired) {
  THoverPress hover(1000, 4);
  hover.Check(0, OnKey(72, 10, 10));
  EXPECT_EQ(hover.ProgressKey(), 72);
  EXPECT_EQ(hover.Progress(0), 0);
  hover.Check(250, OnKey(72, 10, 10));
  EXPECT_EQ(hover.Progress(250), 250);
  // A move beyond the tolerance starts the bar again.
  hover.Check(500, OnKey(72, 30, 10));
  EXPECT_EQ(hover.Progress(500), 0);
  EXPECT_EQ(hover.Check(1500, OnKey(72, 30, 10)), 72);
  EXPECT_EQ(hover.ProgressKey(), 0);
  EXPECT_EQ(hover.Progress(1600), 0);
}

TEST(HoverPress, LimitsAndToleranceFollowTheScreen) {
  EXPECT_EQ(LimitHoverTime(-5), HoverTimeMin);
  EXPECT_EQ(LimitHoverTime(1234), 1234);
  EXPECT_EQ(LimitHoverTime(1 << 30), HoverTimeMax);
  EXPECT_EQ(HoverTolerance(96), 4);
  EXPECT_EQ(HoverTolerance(144), 6);
  EXPECT_EQ(HoverTolerance(192), 8);
  EXPECT_EQ(HoverTolerance(0), 1);
}

// --- On the click road of the small keyboard ---

struct THoverRig : TInputRig {
  THoverTyping hover{keyboard, pointer, 500, 4};

  THoverSample At(TPoint p) const {
    const std::uint8_t code = HoverKeyAt(keyboard, p.x, p.y);
    return {code ? P::Key : P::Background, code, p, false, false};
  }
  // Rests on a point for ms milliseconds, checking now and every 50 ms after.
  void Rest(TPoint p, std::uint32_t ms) {
    hover.Check(window.Tick, At(p));
    for (std::uint32_t t = 0; t < ms; t += HoverCheckInterval) {
      window.Advance(HoverCheckInterval);
      hover.Check(window.Tick, At(p));
    }
  }
};

TEST(HoverTyping, HoverKeyAtTakesTheKeyAClickWouldTake) {
  THoverRig rig;
  EXPECT_EQ(HoverKeyAt(rig.keyboard, 15, 45), 65);
  EXPECT_EQ(HoverKeyAt(rig.keyboard, 75, 15), 13);
  EXPECT_EQ(HoverKeyAt(rig.keyboard, 200, 150), 0);
}

TEST(HoverTyping, AKeyIsPressedShownAndReleasedLikeALeftClick) {
  THoverRig rig;
  rig.Rest(rig.Centre(65), 500);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65)}));
  EXPECT_TRUE(rig.Shown(65));
  rig.Rest(rig.Centre(65), 50);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyUp(65)}));
  EXPECT_FALSE(rig.Shown(65));
  // Resting on: nothing more.
  rig.Rest(rig.Centre(65), 2000);
  EXPECT_TRUE(rig.TakeEvents().empty());
}

TEST(HoverTyping, ModifiersLatchUntilTheNextHoveredKey) {
  THoverRig rig;
  rig.Rest(rig.Centre(160), 600);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(160)}));
  EXPECT_TRUE(rig.Shown(160));
  rig.Rest(rig.Centre(65), 600);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65), KeyUp(65), KeyUp(160)}));
  EXPECT_FALSE(rig.Shown(160));
}

TEST(HoverTyping, AppsKeyOpensTheSettingsAsAClickDoes) {
  THoverRig rig;
  rig.Rest(rig.Centre(93), 600);
  rig.window.Advance(200);
  EXPECT_EQ(rig.SettingsShown, 1);
  for (const TKeyEvent& e : rig.TakeEvents()) EXPECT_NE(e.Code, 93);
}

TEST(HoverTyping, ProgressIsShownOnTheHoveredKeyOnlyAndTakenAwayWhenItLeaves) {
  THoverRig rig;
  rig.Rest(rig.Centre(65), 250);
  EXPECT_EQ(rig.keyboard.Key(65)->HoverProgress(), 500);
  rig.Rest(rig.Centre(83), 100);
  EXPECT_EQ(rig.keyboard.Key(65)->HoverProgress(), 0);
  EXPECT_GT(rig.keyboard.Key(83)->HoverProgress(), 0);
  rig.hover.Stop();
  EXPECT_EQ(rig.keyboard.Key(83)->HoverProgress(), 0);
  EXPECT_TRUE(rig.TakeEvents().empty());
}

TEST(HoverTyping, StopReleasesAKeyFiredAtTheLastCheck) {
  THoverRig rig;
  rig.Rest(rig.Centre(83), 500);
  ASSERT_TRUE(rig.hover.ReleasePending());
  rig.hover.Stop();
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(83), KeyUp(83)}));
  EXPECT_FALSE(rig.hover.ReleasePending());
}

}  // namespace

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
// fire at that check (0 none); optionally the key a button or finger went down on since the check
// before (-1 none), and whether the check is then expected to rest until the pointer moves onto
// another key (Idle: 1 yes, 0 no, -1 not looked at).
struct TCheck {
  std::uint32_t At;
  THoverSample Sample;
  int Fires;
  int PressedBefore = -1;
  int Idle = -1;
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

// The pointer crossing key 72 steadily by dx pixels per check, from x = 150, for n checks from
// time 0, none of which fires; then it jumps 20 pixels on and rests there: the key fires after the
// hover time.
std::vector<TCheck> Drift(int dx, int n) {
  std::vector<TCheck> checks;
  for (int i = 0; i < n; ++i) checks.push_back({HoverCheckInterval * i, OnKey(72, 150 + dx * i, 10), 0});
  const std::uint32_t rest = HoverCheckInterval * n;
  const int x = 150 + dx * n + 20;
  checks.push_back({rest, OnKey(72, x, 10), 0});
  checks.push_back({rest + 999, OnKey(72, x, 10), 0});
  checks.push_back({rest + 1000, OnKey(72, x, 10), 72});
  return checks;
}

class HoverWalk : public ::testing::TestWithParam<TWalk> {};

TEST_P(HoverWalk, FiresWhereExpected) {
  const TWalk& walk = GetParam();
  // Starts near the wrap of the tick count: differences are unsigned.
  const std::uint32_t start = 0xFFFFFF00u;
  THoverPress hover(walk.Time, 4);
  for (const TCheck& check : walk.Checks) {
    if (check.PressedBefore >= 0) hover.Press(static_cast<std::uint8_t>(check.PressedBefore));
    EXPECT_EQ(hover.Check(start + check.At, check.Sample), check.Fires) << walk.Name << " at " << check.At;
    if (check.Idle >= 0) {
      EXPECT_EQ(hover.Idle(), check.Idle == 1) << walk.Name << " at " << check.At;
      // Resting, the check is wanted again only once the pointer is over another key.
      const std::uint8_t here = check.Sample.Place == P::Key ? check.Sample.Code : 0;
      EXPECT_EQ(hover.NeedsCheck(here), check.Idle == 0) << walk.Name << " at " << check.At;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, HoverWalk,
    ::testing::Values(
        TWalk{"RestThenFire",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {950, OnKey(72, 10, 10), 0},
               {1000, OnKey(72, 10, 10), 72},
               // Once per visit.
               {2000, OnKey(72, 10, 10), 0},
               {5000, OnKey(72, 10, 10), 0}}},
        TWalk{"JitterWithinTolerance",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {300, OnKey(72, 14, 6), 0},
               {600, OnKey(72, 10, 10), 0},
               {1000, OnKey(72, 13, 13), 72}}},
        TWalk{"MoveBeyondToleranceStartsAgain",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {900, OnKey(72, 15, 10), 0},
               {1000, OnKey(72, 15, 10), 0},
               {1899, OnKey(72, 15, 10), 0},
               {1900, OnKey(72, 15, 10), 72}}},
        TWalk{"LeaveAndComeBack",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {1000, OnKey(72, 10, 10), 72},
               {1100, OnKey(73, 40, 10), 0},
               {1200, OnKey(72, 10, 10), 0},
               {2199, OnKey(72, 10, 10), 0},
               {2200, OnKey(72, 10, 10), 72}}},
        TWalk{"NextKeyHasItsOwnTime",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {700, OnKey(73, 40, 10), 0},
               {1000, OnKey(73, 40, 10), 0},
               {1700, OnKey(73, 40, 10), 73}}},
        TWalk{"LeavingTheWindowEndsTheVisit",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {1000, OnKey(72, 10, 10), 72},
               {1050, On(P::Outside, 10, 10), 0},
               {1100, OnKey(72, 10, 10), 0},
               {2100, OnKey(72, 10, 10), 72}}},
        TWalk{"ButtonHeldSpendsTheVisit",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {500, Held(72, 10, 10), 0},
               {1000, OnKey(72, 10, 10), 0},
               {3000, OnKey(72, 10, 10), 0},
               {3100, OnKey(73, 40, 10), 0},
               {4100, OnKey(73, 40, 10), 73}}},
        TWalk{"ButtonHeldFromTheStart",
              1000,
              {{0, Held(72, 10, 10), 0}, {1000, Held(72, 10, 10), 0}, {2000, OnKey(72, 10, 10), 0}}},
        TWalk{"BackgroundNeverFires",
              1000,
              {{0, On(P::Background, 200, 150), 0},
               {1000, On(P::Background, 200, 150), 0},
               {5000, On(P::Background, 200, 150), 0}}},
        TWalk{"SliderNeverFiresAndEndsTheVisit",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {600, On(P::Slider, 300, 150), 0},
               {5000, On(P::Slider, 300, 150), 0},
               {5100, OnKey(72, 10, 10), 0},
               {6099, OnKey(72, 10, 10), 0},
               {6100, OnKey(72, 10, 10), 72}}},
        TWalk{"TitleBarIsOutside", 1000, {{0, On(P::Outside, 10, -10), 0}, {2000, On(P::Outside, 10, -10), 0}}},
        TWalk{"PenNeverFires",
              1000,
              {{0, Pen(72, 10, 10), 0},
               {1000, Pen(72, 10, 10), 0},
               {1500, OnKey(72, 10, 10), 0},
               {3000, OnKey(72, 10, 10), 0}}},
        TWalk{"TouchOnAnotherKeyDoesNotFireThere",
              1000,
              {{0, OnKey(72, 10, 10), 0}, {200, Pen(73, 40, 10), 0}, {1500, OnKey(73, 40, 10), 0}}},
        TWalk{"TimeBelowTheLowerLimitIsRaised",
              100,
              {{0, OnKey(72, 10, 10), 0}, {499, OnKey(72, 10, 10), 0}, {500, OnKey(72, 10, 10), 72}}},
        TWalk{"TimeAboveTheUpperLimitIsLowered",
              60000,
              {{0, OnKey(72, 10, 10), 0}, {2999, OnKey(72, 10, 10), 0}, {3000, OnKey(72, 10, 10), 72}}},
        // A click whose button went down and up between two checks (a touchpad tap): the key was
        // typed by the click, the hover types nothing more on that visit.
        TWalk{"ClickBetweenTwoChecksSpendsTheVisit",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {50, OnKey(72, 10, 10), 0, 72},
               {1000, OnKey(72, 10, 10), 0},
               {3000, OnKey(72, 10, 10), 0},
               {3050, OnKey(73, 40, 10), 0},
               {4050, OnKey(73, 40, 10), 73}}},
        TWalk{"ClickBeforeTheFirstCheckOfAKey",
              1000,
              {{0, On(P::Background, 200, 150), 0}, {50, OnKey(72, 10, 10), 0, 72}, {1050, OnKey(72, 10, 10), 0}}},
        TWalk{"ClickOnAnotherKeyLeavesThisVisitItsTime",
              1000,
              {{0, OnKey(72, 10, 10), 0},
               {50, OnKey(73, 40, 10), 0, 72},
               {1049, OnKey(73, 40, 10), 0},
               {1050, OnKey(73, 40, 10), 73}}},
        // The tolerance holds from where the rest began, not between two checks.
        TWalk{"SlowDriftNeverRests", 1000, Drift(3, 40)}, TWalk{"SlowDriftLeftwards", 1000, Drift(-3, 40)},
        // Nothing left to time: the check rests until the pointer is over another key.
        TWalk{"RestingOnASpentKeyIsIdle",
              1000,
              {{0, OnKey(72, 10, 10), 0, -1, 0},
               {1000, OnKey(72, 10, 10), 72, -1, 1},
               {1050, OnKey(72, 11, 10), 0, -1, 1},
               {1100, OnKey(73, 40, 10), 0, -1, 0}}},
        TWalk{"RestingOnTheBackgroundOrOutsideIsIdle",
              1000,
              {{0, On(P::Background, 200, 150), 0, -1, 1},
               {50, On(P::Outside, 10, -10), 0, -1, 1},
               {100, OnKey(72, 10, 10), 0, -1, 0},
               {150, Held(72, 10, 10), 0, -1, 1}}}),
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
    const std::uint8_t code = keyboard.KeyAt(p.x, p.y);
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

TEST(HoverTyping, KeyAtTakesTheKeyAClickWouldTake) {
  THoverRig rig;
  EXPECT_EQ(rig.keyboard.KeyAt(15, 45), 65);
  EXPECT_EQ(rig.keyboard.KeyAt(75, 15), 13);
  EXPECT_EQ(rig.keyboard.KeyAt(200, 150), 0);
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

namespace {

// A click on the paint box between two checks types its key once: the hover learns of the press
// from the pointer handlers, not from a look at the buttons at the next check.
TEST(HoverTyping, AQuickClickBetweenTwoChecksIsTypedOnce) {
  THoverRig rig;
  rig.Rest(rig.Centre(65), 100);
  rig.window.Advance(20);
  rig.Click(65, TMouseButton::Left, 5);
  rig.Rest(rig.Centre(65), 2000);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65), KeyUp(65)}));
  // A touch tap likewise.
  rig.Rest(rig.Centre(83), 100);
  rig.Touch(TTouchKind::LButtonDown, rig.Centre(83), 1);
  rig.Touch(TTouchKind::LButtonUp, rig.Centre(83), 1);
  rig.Rest(rig.Centre(83), 2000);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(83), KeyUp(83)}));
}

// The release one check after a hover press ends that press only: a real press made meanwhile
// keeps its key down until its own release, and a window drag just begun goes on.
TEST(HoverTyping, TheHoversReleaseEndsOnlyItsOwnPress) {
  THoverRig rig;
  rig.Rest(rig.Centre(65), 500);
  ASSERT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65)}));
  rig.window.Advance(20);
  rig.MouseDown(rig.Centre(83));
  rig.window.Advance(30);
  rig.hover.Check(rig.window.Tick, rig.At(rig.Centre(83)));
  EXPECT_TRUE(rig.Shown(83));
  rig.window.Advance(200);
  rig.MouseUp(rig.Centre(83));
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyUp(65), KeyDown(83), KeyUp(83)}));

  rig.Rest(rig.Centre(65), 500);
  ASSERT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65)}));
  rig.window.Advance(20);
  rig.MouseDown(TInputRig::Background);
  ASSERT_TRUE(rig.pointer.Dragging());
  rig.window.Advance(30);
  rig.hover.Check(rig.window.Tick, rig.At(TInputRig::Background));
  EXPECT_TRUE(rig.pointer.Dragging());
  rig.MouseUp(TInputRig::Background);
  EXPECT_FALSE(rig.pointer.Dragging());
  // The hover's key is let go when the drag begins: it does not stay down (and repeat) under it.
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyUp(65)}));
}

}  // namespace

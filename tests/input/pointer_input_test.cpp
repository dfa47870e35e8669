// Pointer handlers: the duplicate filters between the mouse, pen and touch roads, touch contacts,
// the hot key, leaving the keyboard and dragging the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_rig.h"

namespace {

using B = TMouseButton;

std::vector<TKeyEvent> ClickOf(std::uint16_t code) { return {KeyDown(code), KeyUp(code)}; }

// --- Touch contacts ---

TEST(PointerInput, SecondFingerReleasesTheFirstKeyThenPressesItsOwn) {
  TInputRig rig;
  rig.Touch(TTouchKind::LButtonDown, rig.Centre(65), 1);
  rig.Touch(TTouchKind::LButtonDown, rig.Centre(83), 2);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65), KeyUp(65), KeyDown(83)}));
  EXPECT_EQ(rig.pointer.TouchId(), 2);
  // The first finger no longer holds anything.
  rig.Touch(TTouchKind::MouseMove, rig.Background, 1);
  rig.Touch(TTouchKind::LButtonUp, rig.Centre(65), 1);
  EXPECT_TRUE(rig.TakeEvents().empty());
  EXPECT_TRUE(rig.Shown(83));
  rig.Touch(TTouchKind::LButtonUp, rig.Centre(83), 2);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyUp(83)}));
  EXPECT_EQ(rig.pointer.TouchId(), -1);
}

TEST(PointerInput, TouchRoadStaysActiveForTheRestOfTheRun) {
  TInputRig rig;
  EXPECT_FALSE(rig.pointer.TouchActive());
  rig.window.Advance(5);
  rig.Touch(TTouchKind::None, rig.Centre(65), 1);
  EXPECT_TRUE(rig.pointer.TouchActive());
  EXPECT_EQ(rig.pointer.LastTouchTick(), rig.window.Tick);
  EXPECT_TRUE(rig.TakeEvents().empty());
}

TEST(PointerInput, TouchPressEndsAWindowDragAndTakesTheKeyUnderTheFinger) {
  TInputRig rig;
  rig.MouseDown(rig.Background);
  ASSERT_TRUE(rig.pointer.Dragging());
  rig.Touch(TTouchKind::LButtonDown, rig.Centre(65), 1);
  EXPECT_FALSE(rig.pointer.Dragging());
  EXPECT_EQ(rig.keyboard.HotKey(), rig.keyboard.Key(65));
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65)}));
}

TEST(PointerInput, MouseMessagesGeneratedFromTouchAreIgnoredOnceTouchIsSeen) {
  TInputRig rig;
  // Before any WM_TOUCH they are all the window gets.
  rig.MouseDown(rig.Centre(65), B::Left, FromTouch);
  rig.MouseUp(rig.Centre(65), B::Left, FromTouch);
  EXPECT_EQ(rig.TakeEvents(), ClickOf(65));

  rig.Touch(TTouchKind::LButtonDown, rig.Centre(83), 1);
  rig.Touch(TTouchKind::LButtonUp, rig.Centre(83), 1);
  rig.window.Advance(100);
  rig.MouseDown(rig.Centre(83), B::Left, FromTouch);
  rig.MouseUp(rig.Centre(83), B::Left, FromTouch);
  rig.pointer.pbKeyboardMouseLeave(TSender::PaintBox, FromTouch);
  EXPECT_EQ(rig.TakeEvents(), ClickOf(83));

  // A real mouse still works.
  rig.window.Advance(1000);
  rig.Click(65);
  EXPECT_EQ(rig.TakeEvents(), ClickOf(65));
}

// --- Pen presses that arrive twice ---

enum class TOrder { TouchDownMouseDownTouchUpMouseUp, TouchDownTouchUpMouseDownMouseUp };

struct TPenCase {
  const char* Name;
  TOrder Order;
  std::uint32_t Delay;    // from the touch press to the mouse press
  TMessageOrigin Origin;  // of the mouse press and release
  TPoint MouseOffset;     // of the mouse press from the touch point
  bool TwoPresses;
};

std::ostream& operator<<(std::ostream& os, const TPenCase& c) { return os << c.Name; }

class PenDuplicate : public testing::TestWithParam<TPenCase> {};

TEST_P(PenDuplicate, SamePointFromAPenWithin50MsIsOnePress) {
  TInputRig rig(BuildBeforeInRangeFilter);
  const TPenCase& c = GetParam();
  const TPoint p = rig.Centre(65);
  const TPoint m{p.x + c.MouseOffset.x, p.y + c.MouseOffset.y};
  rig.Touch(TTouchKind::LButtonDown, p, 7, FromMouse);
  if (c.Order == TOrder::TouchDownTouchUpMouseDownMouseUp) rig.Touch(TTouchKind::LButtonUp, p, 7, FromMouse);
  rig.window.Advance(c.Delay);
  rig.pointer.pbKeyboardMouseDown(TSender::PaintBox, B::Left, m.x, m.y, c.Origin);
  if (c.Order == TOrder::TouchDownMouseDownTouchUpMouseUp) rig.Touch(TTouchKind::LButtonUp, p, 7, FromMouse);
  rig.window.Advance(5);
  rig.pointer.pbKeyboardMouseUp(TSender::PaintBox, B::Left, m.x, m.y, c.Origin);
  const std::vector<TKeyEvent> one = ClickOf(65);
  std::vector<TKeyEvent> two = one;
  two.insert(two.end(), one.begin(), one.end());
  EXPECT_EQ(rig.TakeEvents(), c.TwoPresses ? two : one);
  EXPECT_EQ(rig.press.PressedBtn(), nullptr);
  EXPECT_FALSE(rig.Shown(65));
}

INSTANTIATE_TEST_SUITE_P(
    Pen, PenDuplicate,
    testing::Values(
        TPenCase{"AfterTheTouchRelease", TOrder::TouchDownTouchUpMouseDownMouseUp, 30, FromPen, {0, 0}, false},
        TPenCase{"BetweenTouchPressAndRelease", TOrder::TouchDownMouseDownTouchUpMouseUp, 30, FromPen, {0, 0}, false},
        TPenCase{"At49Ms", TOrder::TouchDownTouchUpMouseDownMouseUp, 49, FromPen, {0, 0}, false},
        TPenCase{"At50MsIsANewPress", TOrder::TouchDownTouchUpMouseDownMouseUp, 50, FromPen, {0, 0}, true},
        TPenCase{"FromAMouseIsANewPress", TOrder::TouchDownTouchUpMouseDownMouseUp, 30, FromMouse, {0, 0}, true},
        TPenCase{"OnePixelAwayIsANewPress", TOrder::TouchDownTouchUpMouseDownMouseUp, 30, FromPen, {1, 0}, true}),
    [](const testing::TestParamInfo<TPenCase>& info) { return std::string(info.param.Name); });

TEST(PointerInput, ReleasesStayIgnoredUntilTheNextAcceptedPress) {
  TInputRig rig(BuildBeforeInRangeFilter);
  const TPoint p = rig.Centre(65);
  rig.MouseDown(p, B::Left, FromPen);
  rig.MouseUp(p, B::Left, FromPen);
  rig.window.Advance(10);
  rig.MouseDown(p, B::Left, FromPen);  // the same press again
  EXPECT_TRUE(rig.pointer.IgnoreMouseUp());
  rig.window.Advance(100);
  rig.MouseDown(rig.Centre(83), B::Left, FromPen);
  EXPECT_FALSE(rig.pointer.IgnoreMouseUp());
  rig.MouseUp(rig.Centre(83), B::Left, FromPen);
  std::vector<TKeyEvent> expected = ClickOf(65);
  const std::vector<TKeyEvent> s = ClickOf(83);
  expected.insert(expected.end(), s.begin(), s.end());
  EXPECT_EQ(rig.TakeEvents(), expected);
}

TEST(PointerInput, TickCountWrapDoesNotBreakTheSamePointTest) {
  TInputRig rig(BuildBeforeInRangeFilter);
  rig.window.Tick = 0xFFFFFFF0u;
  const TPoint p = rig.Centre(65);
  rig.MouseDown(p, B::Left, FromPen);
  rig.MouseUp(p, B::Left, FromPen);
  rig.window.Advance(0x20);  // past the wrap, 32 ms later
  rig.MouseDown(p, B::Left, FromPen);
  EXPECT_EQ(rig.TakeEvents(), ClickOf(65));
}

// --- Pointer in range: the paint box's own presses on newer builds ---

struct TInRangeCase {
  const char* Name;
  std::uint32_t Build;
  bool InRange;
  bool MousePressTaken;
};

std::ostream& operator<<(std::ostream& os, const TInRangeCase& c) { return os << c.Name; }

class PointerInRange : public testing::TestWithParam<TInRangeCase> {};

TEST_P(PointerInRange, PaintBoxPressesAreIgnoredOnlyFromBuild16215WhileInRange) {
  const TInRangeCase& c = GetParam();
  TInputRig rig(c.Build);
  EXPECT_EQ(rig.pointer.FilterInRangeMouse(), c.Build >= 16215);
  if (c.InRange) rig.pointer.WMPointerEnter(rig.Centre(65).x, rig.Centre(65).y, FromPen);
  rig.Click(65);
  EXPECT_EQ(rig.TakeEvents(), c.MousePressTaken ? ClickOf(65) : std::vector<TKeyEvent>{});
  // The touch road presses keys in every case.
  rig.window.Advance(100);
  rig.Touch(TTouchKind::LButtonDown, rig.Centre(83), 3);
  rig.Touch(TTouchKind::LButtonUp, rig.Centre(83), 3);
  EXPECT_EQ(rig.TakeEvents(), ClickOf(83));
}

INSTANTIATE_TEST_SUITE_P(Build, PointerInRange,
                         testing::Values(TInRangeCase{"Build16214InRange", 16214, true, true},
                                         TInRangeCase{"Build16215InRange", 16215, true, false},
                                         TInRangeCase{"Build19045InRange", 19045, true, false},
                                         TInRangeCase{"Build19045OutOfRange", 19045, false, true}),
                         [](const testing::TestParamInfo<TInRangeCase>& info) { return std::string(info.param.Name); });

TEST(PointerInput, ReleaseOfAPressMadeBeforeThePointerCameIntoRangeEndsIt) {
  TInputRig rig(BuildWithInRangeFilter);
  rig.MouseDown(rig.Centre(65));
  rig.pointer.WMPointerEnter(rig.Centre(65).x, rig.Centre(65).y, FromPen);
  rig.MouseUp(rig.Centre(65));
  EXPECT_FALSE(rig.Shown(65));
  EXPECT_EQ(rig.TakeEvents(), ClickOf(65));
  // Nothing repeats once the pen has left again.
  rig.pointer.WMPointerLeave();
  rig.window.Advance(2000);
  EXPECT_TRUE(rig.TakeEvents().empty());
}

TEST(PointerInput, WhileInRangeOnlyTheButtonThatPressedReleasesTheKey) {
  TInputRig rig(BuildWithInRangeFilter);
  rig.MouseDown(rig.Centre(65), B::Right);
  rig.pointer.WMPointerEnter(rig.Centre(65).x, rig.Centre(65).y, FromPen);
  rig.MouseUp(rig.Centre(65), B::Left, FromPen);
  EXPECT_TRUE(rig.Shown(65));
  rig.MouseUp(rig.Centre(65), B::Right);
  EXPECT_FALSE(rig.Shown(65));
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(160), KeyDown(65), KeyUp(65), KeyUp(160)}));
}

TEST(PointerInput, WindowDragStartedBeforeThePointerCameIntoRangeEndsAtItsRelease) {
  TInputRig rig(BuildWithInRangeFilter);
  rig.MouseDown(rig.Background);
  ASSERT_TRUE(rig.pointer.Dragging());
  rig.pointer.WMPointerEnter(rig.Background.x, rig.Background.y, FromPen);
  rig.MouseUp(rig.Background);
  EXPECT_FALSE(rig.pointer.Dragging());
}

TEST(PointerInput, PointerEnterAndLeaveTrackTheHotKey) {
  TInputRig rig;
  rig.pointer.WMPointerEnter(rig.Centre(83).x, rig.Centre(83).y, FromPen);
  EXPECT_TRUE(rig.pointer.PointerInRange());
  EXPECT_EQ(rig.keyboard.HotKey(), rig.keyboard.Key(83));
  rig.pointer.WMPointerLeave();
  EXPECT_EQ(rig.keyboard.HotKey(), nullptr);
}

// --- What stays highlighted after a touch is lifted ---

struct THotCase {
  const char* Name;
  bool PenInRange;
  bool CursorSuppressed;
  bool StaysHighlighted;
};

std::ostream& operator<<(std::ostream& os, const THotCase& c) { return os << c.Name; }

class TouchLifted : public testing::TestWithParam<THotCase> {};

TEST_P(TouchLifted, LeavesTheKeyHighlightedOnlyWithAVisibleCursorAndAPenInRange) {
  TInputRig rig(BuildBeforeInRangeFilter);
  const THotCase& c = GetParam();
  if (c.PenInRange) rig.pointer.WMPointerEnter(rig.Background.x, rig.Background.y, FromPen);
  rig.window.CursorSuppressed = c.CursorSuppressed;
  rig.Touch(TTouchKind::LButtonDown, rig.Centre(65), 4);
  rig.Touch(TTouchKind::LButtonUp, rig.Centre(65), 4);
  EXPECT_EQ(rig.keyboard.HotKey(), c.StaysHighlighted ? rig.keyboard.Key(65) : nullptr);
  EXPECT_EQ(rig.TakeEvents(), ClickOf(65));
}

INSTANTIATE_TEST_SUITE_P(Hot, TouchLifted,
                         testing::Values(THotCase{"PenInRangeCursorShown", true, false, true},
                                         THotCase{"PenInRangeCursorHidden", true, true, false},
                                         THotCase{"NoPen", false, false, false}),
                         [](const testing::TestParamInfo<THotCase>& info) { return std::string(info.param.Name); });

// --- Mouse moves just after touch ---

struct TQuietCase {
  const char* Name;
  std::uint32_t After;  // ms after the last touch point
  bool CursorSuppressed;
  bool Tracked;
};

std::ostream& operator<<(std::ostream& os, const TQuietCase& c) { return os << c.Name; }

class MoveAfterTouch : public testing::TestWithParam<TQuietCase> {};

TEST_P(MoveAfterTouch, IsIgnoredFor500MsWhileTheCursorIsHidden) {
  TInputRig rig;
  const TQuietCase& c = GetParam();
  rig.Touch(TTouchKind::LButtonDown, rig.Centre(65), 1);
  rig.Touch(TTouchKind::LButtonUp, rig.Centre(65), 1);
  rig.keyboard.ClearHot(true);
  rig.window.CursorSuppressed = c.CursorSuppressed;
  rig.window.Advance(c.After);
  rig.pointer.pbKeyboardMouseMove(TSender::PaintBox, rig.Centre(83).x, rig.Centre(83).y, FromMouse);
  EXPECT_EQ(rig.keyboard.HotKey(), c.Tracked ? rig.keyboard.Key(83) : nullptr);
}

INSTANTIATE_TEST_SUITE_P(Quiet, MoveAfterTouch,
                         testing::Values(TQuietCase{"At499MsHidden", 499, true, false},
                                         TQuietCase{"At500MsHidden", 500, true, true},
                                         TQuietCase{"At10MsShown", 10, false, true}),
                         [](const testing::TestParamInfo<TQuietCase>& info) { return std::string(info.param.Name); });

// --- Leaving the keyboard ---

TEST(PointerInput, LeavingTheKeyboardReleasesTheHeldKey) {
  TInputRig rig;
  rig.MouseDown(rig.Centre(65), B::Right);
  rig.pointer.pbKeyboardMouseLeave(TSender::PaintBox, FromMouse);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(160), KeyDown(65), KeyUp(65), KeyUp(160)}));
  EXPECT_EQ(rig.keyboard.HotKey(), nullptr);
  EXPECT_EQ(rig.keyboard.PressedCount(), 0);
  // The release that follows outside finds nothing to do.
  rig.MouseUp({500, 500}, B::Right);
  EXPECT_TRUE(rig.TakeEvents().empty());
}

TEST(PointerInput, LeavingWhileAPenIsInRangeKeepsTheKey) {
  TInputRig rig(BuildBeforeInRangeFilter);
  rig.MouseDown(rig.Centre(65));
  rig.pointer.WMPointerEnter(rig.Centre(65).x, rig.Centre(65).y, FromPen);
  rig.pointer.pbKeyboardMouseLeave(TSender::PaintBox, FromMouse);
  EXPECT_TRUE(rig.Shown(65));
  EXPECT_EQ(rig.keyboard.HotKey(), rig.keyboard.Key(65));
}

TEST(PointerInput, LosingTheCaptureEndsTheHeldKeyAsItsReleaseWould) {
  TInputRig rig;
  rig.Click(160);  // Shift latches
  rig.MouseDown(rig.Centre(65));
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(160), KeyDown(65)}));
  rig.pointer.CaptureLost();
  // The stroke is complete: the key comes up, and so does the Shift latched for it.
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyUp(65), KeyUp(160)}));
  EXPECT_FALSE(rig.Shown(65));
  // Nothing is left to repeat, and the release that may still come finds nothing to do.
  rig.window.Advance(1000);
  rig.MouseUp(rig.Centre(65));
  EXPECT_TRUE(rig.TakeEvents().empty());
}

TEST(PointerInput, LosingTheCaptureWithNoKeyHeldLeavesLatchedModifiersLatched) {
  TInputRig rig;
  rig.Click(160);
  rig.TakeEvents();
  rig.pointer.CaptureLost();
  EXPECT_TRUE(rig.TakeEvents().empty());
  EXPECT_TRUE(rig.Shown(160));
}

TEST(PointerInput, LosingTheCaptureEndsAWindowDragAndIgnoresATouchHeldKey) {
  TInputRig rig;
  rig.MouseDown(rig.Background);
  ASSERT_TRUE(rig.pointer.Dragging());
  rig.pointer.CaptureLost();
  EXPECT_FALSE(rig.pointer.Dragging());
  // A finger's press owns no capture: losing it leaves the key to the finger's own release.
  rig.Touch(TTouchKind::LButtonDown, rig.Centre(65), 1);
  rig.pointer.CaptureLost();
  EXPECT_TRUE(rig.Shown(65));
}

// --- Dragging the window by its background ---

TEST(PointerInput, LeftPressOnTheBackgroundDragsTheWindowUntilTheRelease) {
  TInputRig rig;
  rig.window.Pos = {300, 400};
  rig.window.Cursor = {500, 600};
  rig.MouseDown(rig.Background);
  EXPECT_EQ(rig.pointer.DragOrigin(), (TPoint{500, 600}));
  rig.window.Cursor = {520, 590};
  rig.pointer.pbKeyboardMouseMove(TSender::PaintBox, rig.Background.x, rig.Background.y, FromMouse);
  EXPECT_EQ(rig.window.Pos, (TPoint{320, 390}));
  rig.window.Cursor = {530, 595};
  rig.pointer.pbKeyboardMouseMove(TSender::PaintBox, rig.Background.x, rig.Background.y, FromMouse);
  EXPECT_EQ(rig.window.Pos, (TPoint{330, 395}));
  rig.MouseUp(rig.Background);
  EXPECT_FALSE(rig.pointer.Dragging());
  rig.window.Cursor = {600, 700};
  rig.pointer.pbKeyboardMouseMove(TSender::PaintBox, rig.Background.x, rig.Background.y, FromMouse);
  EXPECT_EQ(rig.window.Pos, (TPoint{330, 395}));
  EXPECT_TRUE(rig.TakeEvents().empty());
}

TEST(PointerInput, WithFitWidthTheWindowFollowsOnlyVertically) {
  TInputRig rig;
  rig.window.PinLeft = true;
  rig.window.Pos = {0, 400};
  rig.window.Cursor = {500, 600};
  rig.MouseDown(rig.Background);
  for (int step = 1; step <= 3; ++step) {
    rig.window.Cursor = {500 + 10 * step, 600 + 5 * step};
    rig.pointer.pbKeyboardMouseMove(TSender::PaintBox, rig.Background.x, rig.Background.y, FromMouse);
  }
  EXPECT_EQ(rig.window.Pos, (TPoint{0, 415}));
  // The refused coordinate keeps its origin, the other follows the cursor.
  EXPECT_EQ(rig.pointer.DragOrigin(), (TPoint{500, 615}));
}

struct TNoDragCase {
  const char* Name;
  TMouseButton Button;
  bool Visible;
};

std::ostream& operator<<(std::ostream& os, const TNoDragCase& c) { return os << c.Name; }

class NoDrag : public testing::TestWithParam<TNoDragCase> {};

TEST_P(NoDrag, StartsNoDrag) {
  TInputRig rig;
  rig.window.Visible = GetParam().Visible;
  rig.window.Cursor = {500, 600};
  rig.MouseDown(rig.Background, GetParam().Button);
  EXPECT_FALSE(rig.pointer.Dragging());
  rig.window.Cursor = {550, 650};
  rig.pointer.pbKeyboardMouseMove(TSender::PaintBox, rig.Background.x, rig.Background.y, FromMouse);
  EXPECT_EQ(rig.window.Moves, 0);
  EXPECT_TRUE(rig.TakeEvents().empty());
}

INSTANTIATE_TEST_SUITE_P(Background, NoDrag,
                         testing::Values(TNoDragCase{"RightButton", B::Right, true},
                                         TNoDragCase{"MiddleButton", B::Middle, true},
                                         TNoDragCase{"HiddenWindow", B::Left, false}),
                         [](const testing::TestParamInfo<TNoDragCase>& info) { return std::string(info.param.Name); });

TEST(PointerInput, LeftPressOnAKeyStartsNoDrag) {
  TInputRig rig;
  rig.MouseDown(rig.Centre(65));
  EXPECT_FALSE(rig.pointer.Dragging());
}

// --- Hit testing and presenting ---

TEST(PointerInput, PressOnOverlappingKeysTakesTheLowestCode) {
  TInputRig rig;
  rig.keyboard.AddKey(200, RectKey(0, 30));  // over A
  rig.Click(200);
  EXPECT_EQ(rig.TakeEvents(), ClickOf(65));
}

TEST(PointerInput, EveryAcceptedPressPresentsTheKeyboard) {
  TInputRig rig;
  rig.paintBox.Fake().ClearOps();
  rig.pointer.pbKeyboardMouseDown(TSender::PaintBox, B::Left, rig.Background.x, rig.Background.y, FromMouse);
  EXPECT_FALSE(rig.paintBox.Fake().OpsOf(FakeOpKind::Draw).empty());
}

}  // namespace

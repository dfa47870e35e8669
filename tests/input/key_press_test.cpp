// Press logic: what clicks on on-screen keys send, in which order, and what stays latched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_rig.h"

namespace {

using B = TMouseButton;

struct TClick {
  int Code;
  TMouseButton Button = B::Left;
};

struct TClickCase {
  const char* Name;
  std::vector<TClick> Clicks;
  std::vector<TKeyEvent> Expected;
  std::vector<int> ShownAfter;  // keys still shown pressed at the end
};

std::ostream& operator<<(std::ostream& os, const TClickCase& c) { return os << c.Name; }

class ClickSequence : public testing::TestWithParam<TClickCase> {};

TEST_P(ClickSequence, SendsTheseEventsInOrder) {
  TInputRig rig;
  for (const TClick& click : GetParam().Clicks) rig.Click(click.Code, click.Button);
  EXPECT_EQ(rig.TakeEvents(), GetParam().Expected);
  std::vector<int> shown;
  for (int code = 1; code <= 255; ++code)
    if (rig.Shown(code)) shown.push_back(code);
  EXPECT_EQ(shown, GetParam().ShownAfter);
  EXPECT_EQ(rig.press.PressedBtn(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Latching, ClickSequence,
    testing::Values(
        TClickCase{"ShiftThenA", {{160}, {65}}, {KeyDown(160), KeyDown(65), KeyUp(65), KeyUp(160)}, {}},
        TClickCase{"ShiftTwiceReleasesIt", {{160}, {160}}, {KeyDown(160), KeyUp(160)}, {}},
        TClickCase{"ShiftTwiceThenA", {{160}, {160}, {65}}, {KeyDown(160), KeyUp(160), KeyDown(65), KeyUp(65)}, {}},
        TClickCase{"ShiftAloneStaysLatched", {{160}}, {KeyDown(160)}, {160}},
        TClickCase{"ShiftCtrlS",
                   {{160}, {162}, {83}},
                   {KeyDown(160), KeyDown(162), KeyDown(83), KeyUp(83), KeyUp(160), KeyUp(162)},
                   {}},
        // Released in ascending code order, whatever order they were latched in.
        TClickCase{"AltGrShiftCtrlWinThenA",
                   {{165}, {92}, {162}, {160}, {65}},
                   {KeyDown(165, true), KeyDown(92, true), KeyDown(162), KeyDown(160), KeyDown(65), KeyUp(65),
                    KeyUp(92, true), KeyUp(160), KeyUp(162), KeyUp(165, true)},
                   {}},
        TClickCase{"RightShiftRightCtrlThenA",
                   {{161}, {163}, {65}},
                   {KeyDown(161, true), KeyDown(163, true), KeyDown(65), KeyUp(65), KeyUp(161, true), KeyUp(163, true)},
                   {}},
        TClickCase{"RightClickA", {{65, B::Right}}, {KeyDown(160), KeyDown(65), KeyUp(65), KeyUp(160)}, {}},
        TClickCase{"MiddleClickA", {{65, B::Middle}}, {KeyDown(162), KeyDown(65), KeyUp(65), KeyUp(162)}, {}},
        // A modifier goes the same way whatever the button.
        TClickCase{"RightClickShift", {{160, B::Right}}, {KeyDown(160)}, {160}},
        TClickCase{"LatchedCtrlThenMiddleClickA",
                   {{162}, {65, B::Middle}},
                   {KeyDown(162), KeyDown(162), KeyDown(65), KeyUp(65), KeyUp(162)},
                   {}},
        TClickCase{
            "AppsWhileShiftLatched", {{160}, {93}}, {KeyDown(160), KeyDown(93, true), KeyUp(93, true), KeyUp(160)}, {}},
        TClickCase{"AppsWithNothingPressed", {{93}}, {KeyUp(162)}, {}},
        TClickCase{"DeleteAndArrowsAreExtended",
                   {{46}, {37}, {38}, {39}, {40}},
                   {KeyDown(46, true), KeyUp(46, true), KeyDown(37, true), KeyUp(37, true), KeyDown(38, true),
                    KeyUp(38, true), KeyDown(39, true), KeyUp(39, true), KeyDown(40, true), KeyUp(40, true)},
                   {}},
        TClickCase{"BackspaceEscapeMainEnterAreNot",
                   {{8}, {27}, {13}},
                   {KeyDown(8), KeyUp(8), KeyDown(27), KeyUp(27), KeyDown(13), KeyUp(13)},
                   {}}),
    [](const testing::TestParamInfo<TClickCase>& info) { return std::string(info.param.Name); });

TEST(KeyPress, AppsKeyOpensTheSettingsAfterItsDelayWithoutAnEventOfItsOwn) {
  TInputRig rig;
  rig.MouseDown(rig.Centre(93));
  rig.MouseUp(rig.Centre(93));
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyUp(162)}));
  EXPECT_FALSE(rig.Shown(93));
  EXPECT_EQ(rig.press.PressedBtn(), nullptr);
  rig.window.Advance(TKeyPress::SettingsDelay - 1);
  EXPECT_EQ(rig.SettingsShown, 0);
  rig.window.Advance(1);
  EXPECT_EQ(rig.SettingsShown, 1);
  rig.window.Advance(1000);
  EXPECT_EQ(rig.SettingsShown, 1);
}

TEST(KeyPress, HeldKeyIsShownPressedUntilReleased) {
  TInputRig rig;
  rig.MouseDown(rig.Centre(65), B::Right);
  EXPECT_TRUE(rig.Shown(65));
  EXPECT_TRUE(rig.Shown(160));
  EXPECT_EQ(rig.press.PressedBtn(), rig.keyboard.Key(65));
  EXPECT_EQ(rig.keyboard.KeyState()[65], 0x81);
  rig.MouseUp(rig.Centre(65), B::Right);
  EXPECT_FALSE(rig.Shown(65));
  EXPECT_FALSE(rig.Shown(160));
  EXPECT_EQ(rig.keyboard.PressedCount(), 0);
}

TEST(KeyPress, LatchedKeysTheWindowDidNotLatchAreLeftAlone) {
  TInputRig rig;
  rig.keyboard.SetKeyPressed(164, true);  // shown pressed, but not by a click of this window
  rig.Click(65);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65), KeyUp(65)}));
  EXPECT_TRUE(rig.Shown(164));
}

// A second button going down on another key while one is held: the first key is let go first.
TEST(KeyPress, SecondButtonOnAnotherKeyReleasesTheHeldKeyFirst) {
  TInputRig rig;
  rig.MouseDown(rig.Centre(65));
  rig.window.Advance(300);
  rig.MouseDown(rig.Centre(83), B::Right);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(65), KeyUp(65), KeyDown(160), KeyDown(83)}));
  EXPECT_FALSE(rig.Shown(65));
  // S gets the full delay before it repeats.
  EXPECT_EQ(rig.window.Timer(TInputTimer::tmrPress).Interval, 600u);
  rig.window.Advance(599);
  EXPECT_TRUE(rig.TakeEvents().empty());
  rig.MouseUp(rig.Centre(83), B::Right);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyUp(83), KeyUp(160)}));
  EXPECT_EQ(rig.keyboard.PressedCount(), 0);
}

TEST(KeyPress, ReleaseKeysLetsGoOfTheHeldKeyAndEveryLatchedKey) {
  TInputRig rig;
  rig.Click(165);
  rig.MouseDown(rig.Centre(65), B::Middle);
  rig.TakeEvents();
  rig.press.ReleaseKeys();
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyUp(65), KeyUp(162), KeyUp(165, true)}));
  EXPECT_EQ(rig.press.PressedBtn(), nullptr);
  EXPECT_FALSE(rig.window.TimerEnabled(TInputTimer::tmrPress));
  for (int code = 1; code <= 255; ++code) EXPECT_FALSE(rig.press.Latched(static_cast<std::uint8_t>(code))) << code;
  EXPECT_EQ(rig.keyboard.PressedCount(), 0);
  // The layout can now be replaced: nothing refers to the old key objects.
  const TPoint a = rig.Centre(65);
  rig.keyboard.ClearKeys();
  rig.MouseUp(a);
  EXPECT_TRUE(rig.TakeEvents().empty());
}

// --- Key repeat ---

struct TRepeatCase {
  int Code;
  bool EnableKeyRepeat;
  int Downs;  // key-downs while held for 700 ms
  bool Extended = false;
};

std::ostream& operator<<(std::ostream& os, const TRepeatCase& c) {
  return os << c.Code << (c.EnableKeyRepeat ? " repeat on" : " repeat off");
}

class HoldKey : public testing::TestWithParam<TRepeatCase> {};

TEST_P(HoldKey, RepeatsAfter600MsThenEvery20MsWhereAllowed) {
  TInputRig rig;
  const TRepeatCase& c = GetParam();
  rig.EnableKeyRepeat = c.EnableKeyRepeat;
  rig.MouseDown(rig.Centre(c.Code));
  rig.window.Advance(700);  // first repeat at 600 ms, then 620, 640, ..., 700
  rig.MouseUp(rig.Centre(c.Code));
  const bool ext = c.Extended;
  std::vector<TKeyEvent> expected(static_cast<std::size_t>(c.Downs), KeyDown(static_cast<std::uint16_t>(c.Code), ext));
  expected.push_back(KeyUp(static_cast<std::uint16_t>(c.Code), ext));
  EXPECT_EQ(rig.TakeEvents(), expected);
  EXPECT_FALSE(rig.window.TimerEnabled(TInputTimer::tmrPress));
  EXPECT_FALSE(rig.Shown(c.Code));
}

INSTANTIATE_TEST_SUITE_P(KeyRepeat, HoldKey,
                         testing::Values(TRepeatCase{65, true, 7}, TRepeatCase{65, false, 1}, TRepeatCase{8, false, 7},
                                         TRepeatCase{8, true, 7}, TRepeatCase{37, false, 7, true},
                                         TRepeatCase{38, false, 7, true}, TRepeatCase{39, false, 7, true},
                                         TRepeatCase{40, false, 7, true}, TRepeatCase{46, false, 7, true},
                                         TRepeatCase{27, false, 1}, TRepeatCase{20, true, 1}, TRepeatCase{20, false, 1},
                                         TRepeatCase{144, true, 1, true}, TRepeatCase{145, true, 1}));

TEST(KeyPress, RepeatTimingIs600MsThen20Ms) {
  TInputRig rig;
  rig.MouseDown(rig.Centre(65));
  auto downs = [&rig] { return rig.injector.Events.size(); };
  EXPECT_EQ(downs(), 1u);
  rig.window.Advance(599);
  EXPECT_EQ(downs(), 1u);
  rig.window.Advance(1);
  EXPECT_EQ(downs(), 2u);
  rig.window.Advance(19);
  EXPECT_EQ(downs(), 2u);
  rig.window.Advance(1);
  EXPECT_EQ(downs(), 3u);
  rig.window.Advance(20);
  EXPECT_EQ(downs(), 4u);
}

TEST(KeyPress, RepeatSwitchedOnWhileHeldStartsAtTheNextTick) {
  TInputRig rig;
  rig.EnableKeyRepeat = false;
  rig.MouseDown(rig.Centre(65));
  rig.window.Advance(1000);  // the timer keeps running without sending
  EXPECT_EQ(rig.injector.Events.size(), 1u);
  rig.EnableKeyRepeat = true;
  rig.window.Advance(200);  // due at 1200 (every 600 ms while nothing is sent)
  EXPECT_EQ(rig.injector.Events.size(), 2u);
}

TEST(KeyPress, HeldModifierNeverRepeatsAndAReleaseLeavesItLatched) {
  TInputRig rig;
  rig.MouseDown(rig.Centre(160));
  rig.window.Advance(1000);
  rig.MouseUp(rig.Centre(160));
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(160)}));
  EXPECT_TRUE(rig.Shown(160));
  EXPECT_TRUE(rig.press.Latched(160));
}

// --- Enter: the extended flag follows the part of the outline that was pressed ---

struct TEnterCase {
  const char* Name;
  bool ExtendedPart;
  bool Touch;
};

std::ostream& operator<<(std::ostream& os, const TEnterCase& c) { return os << c.Name; }

class EnterPart : public testing::TestWithParam<TEnterCase> {};

TEST_P(EnterPart, SendsEnterExtendedOnlyFromTheSecondPart) {
  TInputRig rig;
  const TEnterCase& c = GetParam();
  const TPoint p = rig.Centre(13, c.ExtendedPart);
  if (c.Touch) {
    rig.Touch(TTouchKind::LButtonDown, p, 1);
    rig.Touch(TTouchKind::LButtonUp, p, 1);
  } else {
    rig.MouseDown(p);
    rig.MouseUp(p);
  }
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(13, c.ExtendedPart), KeyUp(13, c.ExtendedPart)}));
}

INSTANTIATE_TEST_SUITE_P(Enter, EnterPart,
                         testing::Values(TEnterCase{"MainPartMouse", false, false},
                                         TEnterCase{"PadPartMouse", true, false},
                                         TEnterCase{"MainPartTouch", false, true},
                                         TEnterCase{"PadPartTouch", true, true}),
                         [](const testing::TestParamInfo<TEnterCase>& info) { return std::string(info.param.Name); });

TEST(KeyPress, EnterMovedFromTheMainPartToThePadPartIsSentExtended) {
  TInputRig rig;
  const TPoint main = rig.Centre(13, false);
  const TPoint pad = rig.Centre(13, true);
  rig.pointer.pbKeyboardMouseMove(TSender::PaintBox, main.x, main.y, FromMouse);
  rig.pointer.pbKeyboardMouseMove(TSender::PaintBox, pad.x, pad.y, FromMouse);
  rig.pointer.pbKeyboardMouseDown(TSender::PaintBox, B::Left, pad.x, pad.y, FromMouse);
  rig.pointer.pbKeyboardMouseUp(TSender::PaintBox, B::Left, pad.x, pad.y, FromMouse);
  EXPECT_EQ(rig.TakeEvents(), (std::vector<TKeyEvent>{KeyDown(13, true), KeyUp(13, true)}));
}

// --- The timers that follow the system ---

struct TCapsCase {
  std::uint8_t System;  // the system's byte for Caps Lock (0x80 down, 0x01 toggled)
  std::uint8_t Shown;   // what the keyboard shows afterwards
};

std::ostream& operator<<(std::ostream& os, const TCapsCase& c) {
  return os << "system " << int(c.System) << " shown " << int(c.Shown);
}

class CapsLockTimer : public testing::TestWithParam<TCapsCase> {};

TEST_P(CapsLockTimer, TakesTheToggleStateWithoutTheDownBit) {
  TInputRig rig;
  rig.keyboard.SetKeyStateByte(20, GetParam().Shown == 0 ? 1 : 0);
  rig.services.SetSystemKey(20, GetParam().System);
  rig.paintBox.Fake().ClearOps();
  rig.press.tmrCapsLockTimer();
  EXPECT_EQ(rig.keyboard.KeyState()[20], GetParam().Shown);
  EXPECT_FALSE(rig.paintBox.Fake().OpsOf(FakeOpKind::Draw).empty()) << "redrawn after a change";
  rig.paintBox.Fake().ClearOps();
  rig.press.tmrCapsLockTimer();
  EXPECT_TRUE(rig.paintBox.Fake().OpsOf(FakeOpKind::Draw).empty()) << "nothing to do without a change";
}

INSTANTIATE_TEST_SUITE_P(CapsLock, CapsLockTimer,
                         testing::Values(TCapsCase{0x00, 0}, TCapsCase{0x01, 1}, TCapsCase{0x80, 0},
                                         TCapsCase{0x81, 1}));

TEST(KeyPress, CapsLockTimerFollowsNumLockOnlyWhereTheLayoutShowsItAndNeverScrollLock) {
  for (const bool numLockShown : {true, false}) {
    SCOPED_TRACE(numLockShown);
    TInputRig rig;
    if (!numLockShown) rig.keyboard.FreeKey(144);
    rig.services.SetSystemKey(144, 0x81);
    rig.services.SetSystemKey(145, 0x01);
    rig.keyboard.SetKeyStateByte(144, 0);
    rig.keyboard.SetKeyStateByte(145, 0);
    rig.paintBox.Fake().ClearOps();
    rig.press.tmrCapsLockTimer();
    EXPECT_EQ(rig.keyboard.KeyState()[144], numLockShown ? 1 : 0);
    EXPECT_EQ(rig.keyboard.KeyState()[145], 0);
    EXPECT_EQ(rig.paintBox.Fake().OpsOf(FakeOpKind::Draw).empty(), !numLockShown);
  }
}

TEST(KeyPress, HklTimerHandsTheForegroundInputLanguageToTheKeyboard) {
  TInputRig rig;
  ASSERT_EQ(rig.keyboard.Hkl(), UsEnglishHkl);
  rig.services.ForegroundHkl = GermanHkl;
  rig.press.tmrHKLTimer();
  EXPECT_EQ(rig.keyboard.Hkl(), GermanHkl);
  rig.services.ForegroundHkl = 0;  // no foreground window: the language stays
  rig.press.tmrHKLTimer();
  EXPECT_EQ(rig.keyboard.Hkl(), GermanHkl);
}

}  // namespace

// The click sound's hook: every press of a key, ordinary or modifier, latching or unlatching,
// and no release or repeat.
TEST(KeyPressObserver, IsToldOfEveryPressAndNothingElse) {
  TInputRig rig;
  int presses = 0;
  rig.press.SetPressObserver([&] { ++presses; });
  rig.Click(160);  // Shift latches
  rig.Click(65);   // A, then Shift released with it
  EXPECT_EQ(presses, 2);
  rig.Click(162);  // Ctrl latched and unlatched: two presses
  rig.Click(162);
  EXPECT_EQ(presses, 4);
  rig.MouseDown(rig.Centre(83));
  rig.window.Advance(2000);  // held long enough to repeat
  rig.MouseUp(rig.Centre(83));
  EXPECT_EQ(presses, 5);
  rig.pointer.pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Left, TInputRig::Background.x,
                                  TInputRig::Background.y, FromMouse);
  EXPECT_EQ(presses, 5);
}

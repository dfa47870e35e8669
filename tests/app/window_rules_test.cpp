#include "app/window_rules.h"

#include <gtest/gtest.h>

TEST(WindowRules, LockedSizeRefusesSizingExceptTheProgramsOwnAndFitWidth) {
  struct Case {
    bool guard, lock, fit;
    int newW, curW;
    bool allow;
    int width;
  };
  const Case cases[] = {
      {true, false, false, 500, 441, true, 500},   // unlocked: any size
      {true, true, false, 500, 441, false, 500},   // locked: refused
      {false, true, false, 500, 441, true, 500},   // the program's own sizing passes the lock
      {true, true, true, 500, 441, true, 1920},    // Fit width while locked still sets the width
      {true, true, true, 500, 1920, false, 1920},  // ... but nothing else while locked
      {true, false, true, 300, 1920, true, 1920},  // Fit width keeps the work area's width
  };
  for (const auto& c : cases) {
    const TResizeDecision d = FormCanResize(c.guard, c.lock, c.fit, c.newW, 200, c.curW, 1920);
    EXPECT_EQ(d.Allow, c.allow);
    EXPECT_EQ(d.Width, c.width);
    EXPECT_EQ(d.Height, 200);  // the height is never changed here
  }
}

TEST(WindowRules, WindowAgainstTheBottomEdgeFollowsTheWorkArea) {
  const TRect bottom{600, 744, 1324, 1040};  // touches the bottom of a 1920 x 1040 work area
  // The taskbar grows: the work area becomes 1000 high and the keyboard moves up with it.
  EXPECT_EQ(KeepAgainstWorkAreaEdges(bottom, {600, 744}, 1920, 1040, true, 1920, 1000), (TPoint{600, 704}));
  // Five pixels above the edge: it stays where it is.
  const TRect above{600, 739, 1324, 1035};
  EXPECT_EQ(KeepAgainstWorkAreaEdges(above, {600, 739}, 1920, 1040, true, 1920, 1000), (TPoint{600, 739}));
  // Against the right edge when the work area narrows.
  const TRect right{1196, 100, 1920, 400};
  EXPECT_EQ(KeepAgainstWorkAreaEdges(right, {1196, 100}, 1920, 1040, true, 1800, 1040), (TPoint{1076, 100}));
  // Nothing seen yet, another monitor, or no change: the position passes unchanged.
  EXPECT_EQ(KeepAgainstWorkAreaEdges(bottom, {600, 744}, 0, 0, true, 1920, 1000), (TPoint{600, 744}));
  EXPECT_EQ(KeepAgainstWorkAreaEdges(bottom, {600, 744}, 1920, 1040, false, 1920, 1000), (TPoint{600, 744}));
  EXPECT_EQ(KeepAgainstWorkAreaEdges(bottom, {600, 744}, 1920, 1040, true, 1920, 1040), (TPoint{600, 744}));
}

TEST(WindowRules, SnapsWithinTenPixelsOfAWorkAreaEdge) {
  const TRect wa{0, 0, 1920, 1040};
  struct Case {
    TRect bounds;
    TPoint expected;
  };
  const Case cases[] = {
      {{9, 500, 709, 800}, {0, 500}},        // near the left edge
      {{10, 500, 710, 800}, {10, 500}},      // ten pixels away: no snap
      {{1215, 5, 1915, 305}, {1220, 0}},     // near the right and the top edges
      {{300, 735, 1000, 1035}, {300, 740}},  // near the bottom edge
      {{-8, 745, 692, 1045}, {0, 740}},      // slightly outside: snapped back
  };
  for (const auto& c : cases) EXPECT_EQ(SnapToWorkArea(c.bounds, wa, 10), c.expected);
}

TEST(WindowRules, InsideMonitorUsesTheWholeMonitor) {
  const TRect monitor{0, 0, 1920, 1080};
  EXPECT_TRUE(InsideMonitor({600, 1000, 1300, 1080}, monitor));  // over the taskbar: still inside
  EXPECT_FALSE(InsideMonitor({600, 1000, 1300, 1081}, monitor));
  EXPECT_FALSE(InsideMonitor({-1, 0, 600, 300}, monitor));
  EXPECT_FALSE(InsideMonitor({1500, 0, 1921, 300}, monitor));
}

TEST(WindowRules, RestoreTargetIsAVisibleActivatableTopLevelWindow) {
  TRestoreCandidate editor{true, false, false, 0, false};
  EXPECT_TRUE(IsRestoreTarget(editor));
  struct Case {
    TRestoreCandidate w;
    bool expected;
  };
  const Case cases[] = {
      {{false, false, false, 0, false}, false},          // hidden
      {{true, true, false, 0, false}, false},            // our own window
      {{true, false, true, 0, false}, false},            // minimised
      {{true, false, false, 0x80, false}, false},        // tool window
      {{true, false, false, 0x08000000, false}, false},  // non-activating (another keyboard)
      {{true, false, false, 0, true}, false},            // owned by a visible window (a dialog's owner counts)
      {{true, false, false, 0x40000, true}, true},       // owned, but an app window
  };
  for (const auto& c : cases) EXPECT_EQ(IsRestoreTarget(c.w), c.expected);
}

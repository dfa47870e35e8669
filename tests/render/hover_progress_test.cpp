// The hover time drawn on a key: a bar in the pressed colour along the key's bottom, drawn by the
// key alone, growing with the time and gone with it.
#include <gtest/gtest.h>

#include "keyboard/keyboard_rig.h"
#include "render/lv_btn.h"
#include "render/theme.h"

namespace {

TEST(HoverProgress, BarGrowsAlongTheKeysBottomInThePressedColourAndGoesAway) {
  TKeyboardRig rig;
  rig.Kb().AddKey(65, {{0, 0}, {100, 40}});
  rig.Kb().AddKey(66, {{100, 0}, {200, 40}});
  TLvBtn& key = rig.Key(65);
  rig.Image().ClearOps();

  EXPECT_TRUE(key.SetHoverProgress(500));
  auto bars = rig.Image().OpsOf(FakeOpKind::FillRect);
  ASSERT_EQ(bars.size(), 1u);
  const TRect half = bars[0].Rect;
  EXPECT_EQ(bars[0].BrushColor, Theme.DownFace);
  EXPECT_EQ(half.Bottom, 38);
  EXPECT_EQ(half.Top, 38 - 5);
  EXPECT_EQ(half.Left, 2);
  EXPECT_EQ(half.Right, 2 + 96 / 2);
  // Only this key was drawn: nothing reaches the neighbour.
  for (const FakeCanvasOp& op : rig.Image().Ops()) EXPECT_LE(op.Rect.Left, 100);

  rig.Image().ClearOps();
  EXPECT_FALSE(key.SetHoverProgress(500));  // no change, nothing drawn
  EXPECT_TRUE(rig.Image().Ops().empty());
  key.SetHoverProgress(1000);
  bars = rig.Image().OpsOf(FakeOpKind::FillRect);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].Rect.Right, 98);

  // Back to nothing: the face is drawn again over the bar, and no bar.
  rig.Image().ClearOps();
  key.SetHoverProgress(0);
  EXPECT_EQ(rig.Image().OpsOf(FakeOpKind::Rectangle).size(), 1u);
  EXPECT_TRUE(rig.Image().OpsOf(FakeOpKind::FillRect).empty());
}

TEST(HoverProgress, APressedKeyShowsNoBar) {
  TKeyboardRig rig;
  rig.Kb().AddKey(65, {{0, 0}, {100, 40}});
  rig.Kb().SetKeyPressed(65, true);
  rig.Image().ClearOps();
  rig.Key(65).SetHoverProgress(700);
  EXPECT_TRUE(rig.Image().OpsOf(FakeOpKind::FillRect).empty());
}

TEST(HoverProgress, BarStaysOnTheOutlineOfAnLShapedKey) {
  TKeyboardRig rig;
  // Wide at the top, narrow at the bottom (x 60..100 below y 40).
  rig.Kb().AddKey(13, {{0, 0}, {100, 0}, {100, 80}, {60, 80}, {60, 40}, {0, 40}});
  rig.Image().ClearOps();
  rig.Key(13).SetHoverProgress(1000);
  const auto bars = rig.Image().OpsOf(FakeOpKind::FillRect);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_GE(bars[0].Rect.Left, 60);
  EXPECT_LE(bars[0].Rect.Right, 100);
  EXPECT_GT(bars[0].Rect.Right, bars[0].Rect.Left);
}

}  // namespace

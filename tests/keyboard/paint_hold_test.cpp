// Painting held off across a layout change: one drawing at the end, painting given back on every
// path.
#include "keyboard/paint_hold.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "keyboard_rig.h"

namespace {

int Shapes(FakeCanvas& canvas) {
  return static_cast<int>(canvas.OpsOf(FakeOpKind::Polygon).size() + canvas.OpsOf(FakeOpKind::Rectangle).size());
}

TEST(PaintHold, LoadAndResizeAreDrawnOnceAtTheEnd) {
  TKeyboardRig rig;
  rig.LoadActive();
  {
    TPaintHold hold(rig.Kb());
    rig.Kb().LoadLayout(3);
    rig.Kb().SetImageSize(700, 300);
    rig.Kb().ScaleKeys();
    rig.Kb().Redraw(true);
    EXPECT_TRUE(rig.Image().Ops().empty());
    EXPECT_TRUE(rig.Back().Ops().empty());
    EXPECT_EQ(rig.Presents(), 0);
  }
  EXPECT_TRUE(rig.Kb().PaintEnabled());
  EXPECT_EQ(rig.Presents(), 1);
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Draw), 1);  // one composition
  EXPECT_GT(Shapes(rig.Back()), 0);              // over a back buffer rebuilt at the new size
  EXPECT_EQ(rig.Back().Ops().front().Kind, FakeOpKind::FillRect);
  EXPECT_EQ(rig.Back().Ops().front().Rect, (TRect{0, 0, 700, 300}));
}

TEST(PaintHold, GivesPaintingBackAsItWasWhenTheWorkFails) {
  TKeyboardRig rig;
  rig.LoadActive();
  try {
    TPaintHold hold(rig.Kb());
    rig.Kb().LoadLayout(1);
    throw std::runtime_error("resize failed");
  } catch (const std::runtime_error&) {}
  EXPECT_TRUE(rig.Kb().PaintEnabled());
  EXPECT_EQ(rig.Presents(), 1);

  rig.Kb().SetPaintEnabled(false);  // not shown yet: stays off
  rig.ClearOps();
  { TPaintHold hold(rig.Kb()); }
  EXPECT_FALSE(rig.Kb().PaintEnabled());
  EXPECT_EQ(rig.Presents(), 0);
}

}  // namespace

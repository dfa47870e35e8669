// Switch scanning's highlight is drawn by the partial repaint: each step draws only the keys
// whose highlight changed, and the picture is the one a whole recomposition gives.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "keyboard/keyboard_rig.h"
#include "scanning/scan_rows.h"

namespace {

constexpr TColor ScanFace = 0x000601;
constexpr TColor ScanBorder = 0x000602;
constexpr TColor ScanLegend = 0x000603;

// A keyboard rig of layout 1 whose surfaces keep their pixels, with scan colours of its own.
struct TScanRig : TKeyboardRig {
  explicit TScanRig(bool keepPixels) {
    Theme.ScanFace = ScanFace;
    Theme.ScanBorder = ScanBorder;
    Theme.ScanLegend = ScanLegend;
    surfaces.KeepPixels = keepPixels;
    Recreate();
    LoadActive(1);
  }
};

std::vector<std::uint8_t> Codes(const TScanRow& row) {
  std::vector<std::uint8_t> codes;
  for (const TScanItem& item : row) codes.push_back(item.Code);
  return codes;
}

TEST(ScanHighlightPaint, EveryStepShowsTheSamePictureAsARecomposition) {
  TScanRig shown(true);
  TScanRig recomposed(true);
  const TScanRows rows = ComputeScanRows(shown.Kb());
  ASSERT_GE(rows.size(), 3u);
  const std::vector<std::vector<std::uint8_t>> steps = {
      Codes(rows[0]), Codes(rows[1]), {rows[1][0].Code}, {rows[1][1].Code}, {160}, Codes(rows[2]), {}};
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i == 4) {  // a latched Shift under the highlight
      shown.Kb().SetKeyPressed(160, true);
      recomposed.Kb().SetKeyPressed(160, true);
    }
    shown.Kb().SetScanHighlight(steps[i]);
    recomposed.Kb().SetScanHighlight(steps[i]);
    recomposed.Kb().Redraw(false);
    EXPECT_TRUE(shown.Image().Pixels() == recomposed.Image().Pixels()) << "step " << i;
  }
}

TEST(ScanHighlightPaint, AStepDrawsOnlyTheKeysWhoseHighlightChanged) {
  TScanRig rig(false);
  const TScanRows rows = ComputeScanRows(rig.Kb());
  rig.Kb().SetScanHighlight(Codes(rows[1]));
  rig.ClearOps();
  rig.Kb().Redraw(false);
  const int wholeTexts = rig.ImageOps(FakeOpKind::Text);

  // From a row to one key of it: the other keys of the row lose their highlight, each restored
  // from the back buffer, and only the highlighted key's outline is filled.
  rig.ClearOps();
  rig.Kb().SetScanHighlight({rows[1][2].Code});
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Draw), 0) << "the back buffer was copied whole";
  EXPECT_EQ(rig.ImageOps(FakeOpKind::CopyRect), static_cast<int>(rows[1].size()) - 1);
  EXPECT_EQ(rig.ImageShapes(), 1);
  EXPECT_LT(rig.ImageOps(FakeOpKind::Text), wholeTexts / 2);
  EXPECT_EQ(rig.Presents(), 1);

  // One key to the next: two keys change.
  rig.ClearOps();
  rig.Kb().SetScanHighlight({rows[1][3].Code});
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Draw), 0);
  EXPECT_EQ(rig.ImageOps(FakeOpKind::CopyRect), 2);
  EXPECT_EQ(rig.ImageShapes(), 1);

  // The same highlight again draws nothing.
  rig.ClearOps();
  rig.Kb().SetScanHighlight({rows[1][3].Code});
  EXPECT_EQ(rig.ImageShapes(), 0);
  EXPECT_EQ(rig.Presents(), 0);
}

TEST(ScanHighlightPaint, TheHighlightedKeyIsFilledAndLabelledInTheScanColours) {
  TScanRig rig(false);
  rig.Kb().SetScanHighlight({'E', 9});  // a character key and a named key (Tab)
  auto shapesIn = [&](TColor brush) {
    int n = 0;
    for (const FakeCanvasOp& op : rig.Image().Ops())
      if ((op.Kind == FakeOpKind::Polygon || op.Kind == FakeOpKind::Rectangle) && op.BrushColor == brush &&
          op.PenColor == ScanBorder)
        ++n;
    return n;
  };
  EXPECT_EQ(shapesIn(ScanFace), 2);
  int scanTexts = 0;
  for (const FakeCanvasOp& op : rig.Image().Texts()) {
    if (op.Text == L"c69" || op.Text == rig.Kb().KeyName(9)) {
      EXPECT_EQ(op.Font.Color, ScanLegend);
      ++scanTexts;
    }
  }
  EXPECT_EQ(scanTexts, 2);

  // Taken away, the keys are drawn in their own colours again.
  rig.ClearOps();
  rig.Kb().SetScanHighlight({});
  EXPECT_EQ(shapesIn(ScanFace), 0);
  for (const FakeCanvasOp& op : rig.Image().Texts()) EXPECT_NE(op.Font.Color, ScanLegend);
}

}  // namespace

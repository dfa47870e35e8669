// The settings dialog on work areas of every common size and DPI, with the plan as it is now, so
// that a band added to the dialog later is covered too: it stays inside the work area with its
// caption reachable, and where it would not fit at its monitor's DPI its controls are laid out at
// the largest DPI at which the whole dialog, buttons included, fits.
#include "dialog/dialog_placement.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/command_captions.h"
#include "dialog/settings_dialog_plan.h"

namespace {

// The borders of a dialog frame with a caption at a DPI, as the system reports them.
TRect FrameAt(int dpi) {
  const int border = ScaleToDpi(3, dpi);
  return {-border, -ScaleToDpi(25, dpi), border, border};
}

struct TCase {
  std::string Name;
  TRect WorkArea;
  int Dpi;
  bool FitsAtItsDpi;
};

class DialogPlacement : public ::testing::TestWithParam<TCase> {};

TEST_P(DialogPlacement, InsideTheWorkAreaAtTheLargestDpiThatFits) {
  const TCase& c = GetParam();
  const TSettingsDialogPlan plan = SettingsDialogPlan(TranslateCommandCaptions(0x0409, L"1.0"), 0x0409);
  const TRect frame = FrameAt(c.Dpi);
  auto fitsAt = [&](int dpi) {
    return ScaleToDpi(plan.ClientWidth, dpi) + frame.Width() <= c.WorkArea.Width() &&
           ScaleToDpi(plan.ClientHeight, dpi) + frame.Height() <= c.WorkArea.Height();
  };
  const TDialogPlacement p = PlaceDialog(plan.ClientWidth, plan.ClientHeight, c.Dpi, c.WorkArea, frame);
  const TRect& w = p.Window;
  EXPECT_EQ(w.Width(), ScaleToDpi(plan.ClientWidth, p.LayoutDpi) + frame.Width());
  EXPECT_EQ(w.Height(), ScaleToDpi(plan.ClientHeight, p.LayoutDpi) + frame.Height());
  if (c.FitsAtItsDpi) {
    EXPECT_EQ(p.LayoutDpi, c.Dpi);
  } else {
    EXPECT_LT(p.LayoutDpi, c.Dpi);
    EXPECT_FALSE(fitsAt(p.LayoutDpi + 1));
  }
  // Inside the work area, caption and buttons, and centred on it.
  ASSERT_TRUE(fitsAt(p.LayoutDpi));
  EXPECT_GE(w.Left, c.WorkArea.Left);
  EXPECT_GE(w.Top, c.WorkArea.Top);
  EXPECT_LE(w.Right, c.WorkArea.Right);
  EXPECT_LE(w.Bottom, c.WorkArea.Bottom);
  EXPECT_LE(std::abs((w.Left - c.WorkArea.Left) - (c.WorkArea.Right - w.Right)), 1);
  EXPECT_LE(std::abs((w.Top - c.WorkArea.Top) - (c.WorkArea.Bottom - w.Bottom)), 1);
}

// Work areas with a taskbar of 40 pixels at the bottom unless said otherwise.
INSTANTIATE_TEST_SUITE_P(Table, DialogPlacement,
                         ::testing::Values(TCase{"Laptop1366x768At96", {0, 0, 1366, 728}, 96, false},
                                           TCase{"Laptop1366x768At120", {0, 0, 1366, 728}, 120, false},
                                           TCase{"Laptop1366x768At144", {0, 0, 1366, 728}, 144, false},
                                           TCase{"FullHdAt96", {0, 0, 1920, 1040}, 96, true},
                                           TCase{"FullHdAt144", {0, 0, 1920, 1040}, 144, false},
                                           TCase{"FullHdAt192", {0, 0, 1920, 1040}, 192, false},
                                           TCase{"UhdAt192", {0, 0, 3840, 2100}, 192, true},
                                           TCase{"SecondMonitorLeftTaskbarOnTopAt120", {-1366, 40, 0, 768}, 120, false},
                                           TCase{"PortraitTabletAt144", {0, 0, 800, 1240}, 144, true},
                                           TCase{"Small1024x600At96", {0, 0, 1024, 560}, 96, false}),
                         [](const ::testing::TestParamInfo<TCase>& info) { return info.param.Name; });

TEST(DialogPlacementAt, AnAskedPlaceIsKeptInsideTheWorkArea) {
  const TRect area{0, 0, 1366, 728};
  const TRect frame = FrameAt(96);
  const struct {
    TPoint Asked;
    TPoint Placed;
  } cases[] = {{{100, 50}, {100, 50}}, {{1300, 700}, {1366 - 454, 728 - 608}}, {{-200, -30}, {0, 0}}};
  for (const auto& c : cases) {
    const TDialogPlacement p = PlaceDialog(448, 580, 96, area, frame, c.Asked);
    EXPECT_EQ((TPoint{p.Window.Left, p.Window.Top}), c.Placed) << c.Asked.x << "," << c.Asked.y;
  }
}

TEST(DialogPlacementAt, AWorkAreaTooSmallForTheSmallestLayoutKeepsTheCaptionOnIt) {
  const TRect area{0, 100, 300, 400};
  const TDialogPlacement p = PlaceDialog(448, 580, 120, area, FrameAt(120));
  EXPECT_EQ(p.LayoutDpi, MinDialogLayoutDpi);
  EXPECT_EQ(p.Window.Left, 0);
  EXPECT_EQ(p.Window.Top, 100);
}

}  // namespace

// Switch scanning's highlight stands out from the keys in every colour scheme, with its legend
// readable, and never looks like a latched key.
#include "render/scan_highlight.h"

#include <gtest/gtest.h>

#include "render/theme.h"
#include "render/theme_fakes.h"

namespace {

TEST(ContrastRatio, RunsFromOneForTheSameColourToTwentyOneForBlackOnWhite) {
  EXPECT_NEAR(ContrastRatio(RgbColor(0, 0, 0), RgbColor(255, 255, 255)), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(RgbColor(255, 255, 255), RgbColor(0, 0, 0)), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(RgbColor(12, 200, 7), RgbColor(12, 200, 7)), 1.0, 1e-9);
  // Grey 777777 on white: the guidelines' well-known 4.48.
  EXPECT_NEAR(ContrastRatio(RgbColor(0x77, 0x77, 0x77), RgbColor(255, 255, 255)), 4.48, 0.01);
}

struct TSystemCase {
  const char* Name;
  TColor BtnFace, Highlight, Window;
};

// Windows' default colours and the two high-contrast themes, for the "System" scheme.
const TSystemCase Systems[] = {
    {"default", RgbColor(0xF0, 0xF0, 0xF0), RgbColor(0x00, 0x78, 0xD7), RgbColor(255, 255, 255)},
    {"high contrast black", RgbColor(0, 0, 0), RgbColor(0x1A, 0xEB, 0xFF), RgbColor(0, 0, 0)},
    {"high contrast white", RgbColor(255, 255, 255), RgbColor(0x37, 0x00, 0x6E), RgbColor(255, 255, 255)},
};

TEST(ScanHighlight, StandsOutInEveryScheme) {
  const TLvTheme saved = Theme;
  for (const TSystemCase& sys : Systems) {
    FakeSystemColors system;
    system.Colors = {{SysIndexBtnFace, sys.BtnFace},
                     {SysIndexHighlight, sys.Highlight},
                     {SysIndexWindow, sys.Window},
                     {SysIndexWindowText, sys.BtnFace ^ 0xFFFFFF},
                     {SysIndexGrayText, RgbColor(0x6D, 0x6D, 0x6D)}};
    FakeRegistryReader registry;
    registry.Values[{DwmKey, L"AccentColor"}] = 0xFF3A2A1A;
    for (int n = 1; n <= ColorSchemeCount; ++n) {
      ApplyColorScheme(n, system, registry);
      const std::string what = std::string(sys.Name) + ", scheme " + std::to_string(n);
      for (TColor face : {Theme.KeyFace, Theme.FnFace, Theme.CmdFace})
        EXPECT_GE(ContrastRatio(Theme.ScanFace, ResolveColor(face, system)), 3.0) << what;
      EXPECT_GE(ContrastRatio(Theme.ScanLegend, Theme.ScanFace), 4.5) << what;
      EXPECT_EQ(Theme.ScanBorder, Theme.ScanLegend) << what;
      EXPECT_NE(Theme.ScanFace, ResolveColor(Theme.DownFace, system)) << what;
      EXPECT_FALSE(IsSystemColor(Theme.ScanFace)) << what;
    }
  }
  Theme = saved;
}

TEST(ScanHighlight, DarkKeysGetTheLightFillAndLightKeysTheDarkOne) {
  const TColor black = RgbColor(0x20, 0x20, 0x20), white = RgbColor(255, 255, 255);
  EXPECT_EQ(ScanHighlightColors(black, black, black).Face, ScanFaceForDarkKeys);
  EXPECT_EQ(ScanHighlightColors(white, white, white).Face, ScanFaceForLightKeys);
  EXPECT_EQ(ScanHighlightColors(black, black, black).Legend, RgbColor(0, 0, 0));
  EXPECT_EQ(ScanHighlightColors(white, white, white).Legend, white);
}

}  // namespace

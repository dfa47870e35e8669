#include <gtest/gtest.h>

#include <string>

#include "app/compat_layer.h"
#include "app/window_sizing.h"

TEST(CompatLayer, RelaunchWhenTheLayerMentionsDpiInAnyCase) {
  struct Case {
    const wchar_t* value;
    bool relaunch;
  };
  const Case cases[] = {
      {L"HIGHDPIAWARE", true}, {L"~ highdpiaware", true}, {L"DpiUnaware", true}, {L"WIN7RTM", false}, {L"", false},
      {L"D P I", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ShouldRelaunch(c.value, false), c.relaunch) << c.value;
}

TEST(CompatLayer, ARestartedProcessNeverRestartsAgain) {
  // Windows may put the layer back from the compatibility settings stored for the program file.
  EXPECT_FALSE(ShouldRelaunch(L"HIGHDPIAWARE", true));
}

TEST(CompatLayer, CommandLineIsCutTo4095Characters) {
  const std::wstring longLine(5000, L'x');
  EXPECT_EQ(RelaunchCommandLine(longLine).size(), 4095u);
  EXPECT_EQ(RelaunchCommandLine(L"Orvilla.exe /debug"), L"Orvilla.exe /debug");
}

TEST(WindowSizing, InitialClientSizeFollowsTheWorkAreaHeight) {
  struct Case {
    int kbdW, kbdH;
    TRect wa;
    TSize expected;
  };
  const Case cases[] = {
      {441, 181, {0, 0, 1920, 1040}, {724, 297}},   // scale 1.6417
      {441, 181, {0, 0, 800, 600}, {441, 181}},     // scale below 1 becomes 1
      {573, 121, {0, 0, 1024, 1400}, {573, 121}},   // too wide for the work area: design size
      {441, 181, {0, 40, 1920, 1080}, {724, 297}},  // only the height counts, not the origin
  };
  for (const auto& c : cases) {
    const TSize s = InitialClientSize(c.kbdW, c.kbdH, c.wa);
    EXPECT_EQ(s.Width, c.expected.Width);
    EXPECT_EQ(s.Height, c.expected.Height);
  }
}

TEST(WindowSizing, DefaultPositionIsCentredAtTheBottom) {
  const TPoint p = DefaultWindowPosition({0, 0, 1920, 1040}, 740, 336);
  EXPECT_EQ(p.x, 590);
  EXPECT_EQ(p.y, 704);
  // Truncated toward zero on a work area left of the primary monitor.
  EXPECT_EQ(DefaultWindowPosition({-1921, 0, -1, 1040}, 100, 50).x, -1011);
}

TEST(WindowSizing, TheRowGrowsTheWindowUpwardAsFarAsTheWorkAreaAllowsAndGoesFromTheTop) {
  const TRect workArea{0, 40, 1920, 1080};
  struct Case {
    TRect window;
    TRect withRow;
    int keysMoveDown;
  };
  const Case cases[] = {
      {{560, 700, 1360, 1080}, {560, 651, 1360, 1080}, 0},  // at the bottom: up by the whole row
      {{560, 89, 1360, 469}, {560, 40, 1360, 469}, 0},      // just room above
      {{560, 60, 1360, 440}, {560, 40, 1360, 469}, 29},     // 20 pixels above: the rest downward
      {{560, 40, 1360, 420}, {560, 40, 1360, 469}, 49},     // against the top edge: all downward
      {{560, 10, 1360, 390}, {560, 10, 1360, 439}, 49},     // above the work area: keeps its top
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window.Top);
    const TRect grown = WindowWithRow(c.window, 49, workArea);
    EXPECT_EQ(grown, c.withRow);
    // The keys lie below the row: where they were, or moved down by what the work area refused.
    EXPECT_EQ(grown.Top + 49 - c.window.Top, c.keysMoveDown);
    EXPECT_EQ(grown.Bottom - grown.Top - 49, c.window.Height());
    // Taking the row away leaves the keys where they are now.
    const TRect shrunk = WindowWithoutRow(grown, 49);
    EXPECT_EQ(shrunk.Top, grown.Top + 49);
    EXPECT_EQ(shrunk.Bottom, grown.Bottom);
    EXPECT_EQ(shrunk.Width(), c.window.Width());
  }
}

#include "app/keep_clear.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// A work area of 1000 x 800 below a 40-pixel bar; the keyboard 400 x 200 at the bottom or top.
constexpr TRect Work{0, 40, 1000, 840};
constexpr TRect Bottom{300, 640, 700, 840};
constexpr TRect Top{300, 40, 700, 240};

TRect Caret(int x, int y) { return TRect{x, y, x + 1, y + 16}; }

TEST(KeepClear, MovesToTheOtherHalfOnlyWhenTheCaretIsUnderTheWindow) {
  const struct {
    const char* what;
    TRect window;
    std::optional<TRect> caret;
    bool held;
    std::optional<TRect> expected;
  } cases[] = {
      {"caret above the keyboard", Bottom, Caret(500, 300), false, std::nullopt},
      {"caret just above its top edge", Bottom, Caret(500, 624), false, std::nullopt},
      {"caret inside: to the top", Bottom, Caret(500, 700), false, Top},
      {"caret inside: to the bottom", Top, Caret(500, 100), false, Bottom},
      {"caret reaching in from above", Bottom, Caret(500, 630), false, Top},
      {"caret of no width inside", Bottom, TRect{500, 700, 500, 716}, false, Top},
      {"caret below the keyboard", Top, Caret(500, 600), false, std::nullopt},
      {"caret beside it on the left", Bottom, Caret(299 - 1, 700), false, std::nullopt},
      {"caret beside it on the right", Bottom, Caret(700, 700), false, std::nullopt},
      {"no caret", Bottom, std::nullopt, false, std::nullopt},
      {"a key, the slider held or the window moved", Bottom, Caret(500, 700), true, std::nullopt},
      // The other half would cover the caret as well: the keyboard stays.
      {"keyboard taller than half", TRect{300, 240, 700, 840}, Caret(500, 300), false, std::nullopt},
      // Size and horizontal place are kept; a window in the middle goes to the top.
      {"window in the middle", TRect{10, 340, 250, 540}, Caret(100, 400), false, TRect{10, 40, 250, 240}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TKeepClear keep;
    const std::optional<TRect> moved = keep.Check(TKeepClearView{c.window, Work, c.caret, c.held}, 5000);
    EXPECT_EQ(moved.has_value(), c.expected.has_value());
    if (moved && c.expected) {
      EXPECT_EQ(*moved, *c.expected);
    }
  }
}

TEST(KeepClear, MovesAtMostOnceASecond) {
  TKeepClear keep;
  const TKeepClearView atBottom{Bottom, Work, Caret(500, 700), false};
  const TKeepClearView atTop{Top, Work, Caret(500, 100), false};
  ASSERT_EQ(keep.Check(atBottom, 10000), Top);
  // The caret follows to the top at once: the window waits until a second has passed.
  EXPECT_EQ(keep.Check(atTop, 10000), std::nullopt);
  EXPECT_EQ(keep.Check(atTop, 10999), std::nullopt);
  EXPECT_EQ(keep.Check(atTop, 11000), Bottom);
  // A check that makes no move does not restart the second.
  EXPECT_EQ(keep.Check(TKeepClearView{Bottom, Work, Caret(500, 300), false}, 11500), std::nullopt);
  EXPECT_EQ(keep.Check(atBottom, 12000), Top);
}

}  // namespace

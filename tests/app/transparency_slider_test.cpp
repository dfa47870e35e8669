#include "app/transparency_slider.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_canvas.h"
#include "keyboard/builtin_layouts.h"
#include "keyboard/layout_text.h"

namespace {

// Key boxes of a built-in layout at its design size (one layout unit per pixel).
TKeyBoxOf DesignKeyBoxes(int keyboardType) {
  const TLayoutDescription d = ParseLayoutText(LayoutText(keyboardType));
  return [d](std::uint8_t code) {
    const auto& pts = d.Points[code];
    TKeyBox box;
    if (pts.empty()) return box;
    int x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
    for (const TPoint& p : pts) {
      if (p == TPoint{-1, -1}) continue;
      x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    return TKeyBox{x0, y0, pts.size() == 2 ? pts[1].x - pts[0].x : x1 - x0,
                   pts.size() == 2 ? pts[1].y - pts[0].y : y1 - y0};
  };
}

TLvTheme DistinctColours() {
  TLvTheme t;
  t.KeyBorder = 0x000001;
  t.CmdFace = 0x000002;
  t.HotFace = 0x000003;
  t.SliderTrack = 0x000004;
  t.HotName = 0x000005;
  t.SliderThumb = 0x000006;
  t.HotChar = 0x000007;
  return t;
}

}  // namespace

TEST(TransparencySlider, VisibleForTheStoredTypesOneToThreeOnly) {
  for (int type = -1; type <= 8; ++type) EXPECT_EQ(TransparencySliderVisible(type), type >= 1 && type <= 3) << type;
}

TEST(TransparencySlider, PanelFillsTheEmptyCellOfEachLayoutThatHasOne) {
  const struct {
    int Type;
    TRect Bounds;
  } cases[] = {
      {1, {380, 150, 441, 181}},  // 61 x 31 at (380, 150), below right Shift
      {2, {440, 84, 531, 115}},   // right of Enter, above the arrow keys
      {3, {380, 120, 441, 151}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Type);
    const TKeyBoxOf boxes = DesignKeyBoxes(c.Type);
    const TRect panel = TransparencyPanelBounds(c.Type, boxes);
    EXPECT_EQ(panel, c.Bounds);
    // The panel shares at most its one-pixel frame with the keys around it.
    for (int code = 1; code <= 255; ++code) {
      const TKeyBox k = boxes(static_cast<std::uint8_t>(code));
      if (k.Width == 0) continue;
      const bool overlaps = k.Left + k.Width > panel.Left + 1 && k.Left < panel.Right - 2 &&
                            k.Top + k.Height > panel.Top + 1 && k.Top < panel.Bottom - 2;
      EXPECT_FALSE(overlaps) << "key " << code;
    }
  }
}

TEST(TransparencySlider, MetricsScaleWithThePixelsPerInch) {
  const struct {
    int Ppi, Height;
    int Margin, HalfTrack, HalfThumbWidth, HalfThumbHeight;
  } cases[] = {
      {96, 31, 10, 1, 4, 8},   // Trunc(31 / 3.5) = 8
      {96, 70, 10, 1, 4, 10},  // Trunc(10 s) is smaller
      {96, 5, 10, 1, 4, 2},    // at least 2
      {120, 39, 12, 1, 5, 11}, {144, 46, 15, 1, 6, 13}, {192, 62, 20, 2, 8, 17}, {72, 23, 7, 0, 3, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Ppi);
    const TSliderMetrics m = SliderMetrics(c.Ppi, c.Height);
    EXPECT_EQ(m.Margin, c.Margin);
    EXPECT_EQ(m.HalfTrack, c.HalfTrack);
    EXPECT_EQ(m.HalfThumbWidth, c.HalfThumbWidth);
    EXPECT_EQ(m.HalfThumbHeight, c.HalfThumbHeight);
  }
}

TEST(TransparencySlider, PositionsMapToValuesTruncatedAndLimited) {
  // The 61-pixel slider at 96 ppi: the track runs from x 10 to 51, 0.2 pixels per value.
  const struct {
    int X, Value;
  } cases[] = {{10, 50}, {0, 50}, {-500, 50}, {11, 55}, {30, 150}, {50, 250}, {51, 255}, {60, 255}, {5000, 255}};
  for (const auto& c : cases) EXPECT_EQ(SliderValueAt(c.X, 61, 96), c.Value) << c.X;

  // 144 ppi, 100 pixels: margin 15, track 70 pixels, x = 16 is 205 / 70 = 2.93 values in.
  EXPECT_EQ(SliderValueAt(16, 100, 144), 52);
  EXPECT_EQ(SliderValueAt(14, 100, 144), 50);  // Trunc(-2.93) + 50, limited

  const struct { int Value, X; } thumbs[] = {{50, 10}, {255, 51}, {150, 30}, {54, 10}, {55, 11}, {0, 0}, {49, 10}};
  for (const auto& t : thumbs) EXPECT_EQ(SliderThumbX(t.Value, 61, 96), t.X) << t.Value;
}

TEST(TransparencySlider, TooNarrowSliderIgnoresPresses) {
  EXPECT_TRUE(SliderTooNarrow(20, 96));
  EXPECT_FALSE(SliderValueAt(10, 20, 96).has_value());
  EXPECT_FALSE(SliderValueAt(10, 0, 96).has_value());
  EXPECT_FALSE(SliderTooNarrow(21, 96));
  EXPECT_EQ(SliderValueAt(11, 21, 96), 255);
  EXPECT_TRUE(SliderTooNarrow(40, 192));

  TTransparencySlider slider;
  slider.SetSize(20, 31);
  const TSliderResponse down = slider.MouseDown(15);
  EXPECT_FALSE(down.NewTransparency.has_value());
  EXPECT_FALSE(slider.MouseMove(19).NewTransparency.has_value());
  FakeCanvas canvas;
  slider.Paint(canvas, 128, DistinctColours());
  EXPECT_EQ(canvas.OpsOf(FakeOpKind::Rectangle).size(), 1u);  // still drawn
}

TEST(TransparencySlider, PaintsFrameTrackAndThumbInNormalAndHighlightedColours) {
  const TLvTheme theme = DistinctColours();
  const struct {
    bool Hot;
    TColor Face, Track, Thumb;
  } cases[] = {{false, theme.CmdFace, theme.SliderTrack, theme.SliderThumb},
               {true, theme.HotFace, theme.HotName, theme.HotChar}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Hot);
    FakeCanvas canvas;
    canvas.SetBrushStyle(TBrushStyle::Clear);  // left over from earlier drawing
    PaintTransparencySlider(canvas, 61, 31, 96, 50, c.Hot, theme);
    const auto& ops = canvas.Ops();
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].Kind, FakeOpKind::Rectangle);
    EXPECT_EQ(ops[0].Rect, (TRect{0, 0, 61, 31}));
    EXPECT_EQ(ops[0].PenColor, theme.KeyBorder);
    EXPECT_EQ(ops[0].BrushColor, c.Face);
    EXPECT_EQ(ops[0].BrushStyle, TBrushStyle::Solid);
    EXPECT_EQ(ops[1].Kind, FakeOpKind::FillRect);
    EXPECT_EQ(ops[1].Rect, (TRect{10, 14, 51, 16}));
    EXPECT_EQ(ops[1].BrushColor, c.Track);
    EXPECT_EQ(ops[2].Kind, FakeOpKind::FillRect);
    EXPECT_EQ(ops[2].Rect, (TRect{6, 7, 14, 23}));  // value 50 centred on the track's left end
    EXPECT_EQ(ops[2].BrushColor, c.Thumb);
  }
  // A stored value below 50 puts the thumb left of the track.
  FakeCanvas canvas;
  PaintTransparencySlider(canvas, 61, 31, 96, 0, false, theme);
  EXPECT_EQ(canvas.Ops()[2].Rect, (TRect{-4, 7, 4, 23}));
}

TEST(TransparencySlider, DragFollowsThePointerAndStaysHotOutside) {
  TTransparencySlider slider;
  slider.SetSize(61, 31);
  EXPECT_FALSE(slider.MouseMove(30).NewTransparency.has_value());  // no press, no value

  EXPECT_TRUE(slider.MouseEnter().Repaint);
  EXPECT_TRUE(slider.Hot());
  const TSliderResponse down = slider.MouseDown(30);
  EXPECT_EQ(down.NewTransparency, 150);
  EXPECT_TRUE(down.Repaint);
  EXPECT_TRUE(slider.Dragging());

  EXPECT_TRUE(slider.MouseLeave().Repaint);
  EXPECT_TRUE(slider.Hot());  // still dragging
  EXPECT_EQ(slider.MouseMove(-40).NewTransparency, 50);
  EXPECT_EQ(slider.MouseMove(400).NewTransparency, 255);
  EXPECT_EQ(slider.MouseMove(20).NewTransparency, 100);

  EXPECT_TRUE(slider.MouseUp(false, {70, 10}).Repaint);
  EXPECT_FALSE(slider.Dragging());
  EXPECT_FALSE(slider.Hot());
  EXPECT_FALSE(slider.MouseMove(30).NewTransparency.has_value());

  slider.MouseEnter();
  EXPECT_FALSE(slider.MouseLeave().NewTransparency.has_value());
  EXPECT_FALSE(slider.Hot());
}

TEST(TransparencySlider, HotAfterReleaseDependsOnTheCursorAndTheInput) {
  const struct {
    bool Touch;
    TPoint Cursor;
    bool Hot;
  } cases[] = {
      {false, {0, 0}, true},   {false, {60, 30}, true}, {false, {61, 30}, false}, {false, {60, 31}, false},
      {false, {-1, 5}, false}, {false, {5, -1}, false}, {true, {30, 15}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Cursor.x << "," << c.Cursor.y << " touch " << c.Touch);
    TTransparencySlider slider;
    slider.SetSize(61, 31);
    slider.MouseDown(30);
    slider.MouseUp(c.Touch, c.Cursor);
    EXPECT_EQ(slider.Hot(), c.Hot);
  }
}

TEST(TransparencySlider, UsesTheWindowsPixelsPerInch) {
  TTransparencySlider slider;
  slider.SetSize(122, 62);
  slider.SetPpi(192);  // margin 20, track 82 pixels
  EXPECT_EQ(slider.MouseDown(20).NewTransparency, 50);
  EXPECT_EQ(slider.MouseMove(102).NewTransparency, 255);
  FakeCanvas canvas;
  slider.Paint(canvas, 255, DistinctColours());
  EXPECT_EQ(canvas.Ops()[2].Rect, (TRect{94, 14, 110, 48}));
}

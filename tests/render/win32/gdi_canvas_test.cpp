#include "render/win32/gdi_canvas.h"

#include <gtest/gtest.h>

#include "render/fonts.h"

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 128, 0);
constexpr COLORREF Black = RGB(0, 0, 0);

TColor AsColor(COLORREF c) { return static_cast<TColor>(c); }

// A surface of the given size, painted white, drawn at 96 pixels per inch.
struct Board {
  Board(int w, int h) : surface(96) {
    surface.SetSize(w, h);
    Fill(White);
  }
  void Fill(COLORREF c) {
    surface.Canvas().SetBrushStyle(TBrushStyle::Solid);
    surface.Canvas().SetBrushColor(AsColor(c));
    surface.Canvas().FillRect(TRect{0, 0, surface.Width(), surface.Height()});
  }
  // Number of pixels in [left, right) x [top, bottom) that are not white.
  int Ink(int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (surface.Pixel(x, y) != White) ++n;
    return n;
  }
  // Horizontal extent [first, last] of the non-white columns in the rows top..bottom-1; (-1, -1)
  // when there are none.
  std::pair<int, int> InkColumns(int top, int bottom) const {
    int first = -1, last = -1;
    for (int x = 0; x < surface.Width(); ++x)
      if (Ink(x, top, x + 1, bottom) > 0) {
        if (first < 0) first = x;
        last = x;
      }
    return {first, last};
  }
  TGdiSurface surface;
};

TEST(GdiCanvas, FillRectCoversItsRectangleWithoutTheFarEdges) {
  Board b(20, 20);
  b.surface.Canvas().SetBrushColor(AsColor(Red));
  b.surface.Canvas().FillRect(TRect{2, 3, 10, 12});
  EXPECT_EQ(b.surface.Pixel(2, 3), Red);
  EXPECT_EQ(b.surface.Pixel(9, 11), Red);
  EXPECT_EQ(b.surface.Pixel(10, 11), White);
  EXPECT_EQ(b.surface.Pixel(9, 12), White);
  EXPECT_EQ(b.surface.Pixel(1, 3), White);
  EXPECT_EQ(b.Ink(0, 0, 20, 20), 8 * 9);
}

TEST(GdiCanvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  // A key from (0, 0) to (60, 30) inclusive is drawn as Rectangle(0, 0, 61, 31).
  Board b(70, 40);
  TCanvas& c = b.surface.Canvas();
  c.SetPenColor(AsColor(Blue));
  c.SetBrushColor(AsColor(Red));
  c.Rectangle(TRect{0, 0, 61, 31});
  for (auto [x, y] : {std::pair{0, 0}, {60, 0}, {0, 30}, {60, 30}, {30, 0}, {60, 15}})
    EXPECT_EQ(b.surface.Pixel(x, y), Blue) << x << "," << y;
  EXPECT_EQ(b.surface.Pixel(1, 1), Red);
  EXPECT_EQ(b.surface.Pixel(30, 15), Red);
  EXPECT_EQ(b.surface.Pixel(59, 29), Red);
  EXPECT_EQ(b.surface.Pixel(61, 15), White);
  EXPECT_EQ(b.surface.Pixel(30, 31), White);
}

TEST(GdiCanvas, ClearBrushDrawsOnlyTheOutline) {
  Board b(30, 30);
  TCanvas& c = b.surface.Canvas();
  c.SetPenColor(AsColor(Black));
  c.SetBrushColor(AsColor(Red));
  c.SetBrushStyle(TBrushStyle::Clear);
  c.Rectangle(TRect{5, 5, 25, 25});
  EXPECT_EQ(b.surface.Pixel(5, 5), Black);
  EXPECT_EQ(b.surface.Pixel(15, 15), White);
  EXPECT_EQ(b.Ink(0, 0, 30, 30), 4 * 19);

  c.SetBrushStyle(TBrushStyle::Solid);  // the same brush colour comes back
  c.Rectangle(TRect{5, 5, 25, 25});
  EXPECT_EQ(b.surface.Pixel(15, 15), Red);
}

TEST(GdiCanvas, PolygonFillsInsideItsOutline) {
  Board b(70, 70);
  TCanvas& c = b.surface.Canvas();
  c.SetPenColor(AsColor(Blue));
  c.SetBrushColor(AsColor(Green));
  c.Polygon({{0, 60}, {60, 60}, {60, 0}, {0, 0}});
  EXPECT_EQ(b.surface.Pixel(0, 0), Blue);
  EXPECT_EQ(b.surface.Pixel(0, 30), Blue);
  EXPECT_EQ(b.surface.Pixel(30, 0), Blue);
  EXPECT_EQ(b.surface.Pixel(30, 30), Green);
  EXPECT_EQ(b.surface.Pixel(65, 30), White);

  Board t(40, 40);  // a triangle: the corner opposite the hypotenuse is filled, the other not
  t.surface.Canvas().SetPenColor(AsColor(Blue));
  t.surface.Canvas().SetBrushColor(AsColor(Green));
  t.surface.Canvas().Polygon({{0, 0}, {30, 0}, {0, 30}});
  EXPECT_EQ(t.surface.Pixel(5, 5), Green);
  EXPECT_EQ(t.surface.Pixel(25, 25), White);
}

TEST(GdiCanvas, SystemColoursAreResolvedWhenDrawn) {
  Board b(10, 10);
  b.surface.Canvas().SetBrushColor(clHighlight);
  b.surface.Canvas().FillRect(TRect{0, 0, 10, 10});
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  // Through a 32-bit bitmap the colour comes back exactly.
  EXPECT_EQ(b.surface.Pixel(4, 4), highlight);
  EXPECT_EQ(ResolveColor(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ResolveColor(0x00123456), static_cast<COLORREF>(0x00123456));
}

TEST(GdiCanvas, DrawCopiesAWholeSurfaceAtAnOffset) {
  Board source(10, 6);
  source.Fill(Red);
  source.surface.Canvas().SetBrushColor(AsColor(Blue));
  source.surface.Canvas().FillRect(TRect{9, 5, 10, 6});  // bottom-right pixel blue

  Board target(30, 30);
  target.surface.Canvas().Draw(5, 7, source.surface);
  EXPECT_EQ(target.surface.Pixel(5, 7), Red);
  EXPECT_EQ(target.surface.Pixel(14, 12), Blue);
  EXPECT_EQ(target.surface.Pixel(4, 7), White);
  EXPECT_EQ(target.surface.Pixel(15, 7), White);
  EXPECT_EQ(target.surface.Pixel(5, 13), White);
  EXPECT_EQ(target.Ink(0, 0, 30, 30), 60);
}

TEST(GdiSurface, ResizingKeepsTheCanvasSettings) {
  TGdiSurface surface(96);
  EXPECT_EQ(surface.Width(), 0);
  surface.Canvas().SetBrushColor(AsColor(Green));
  surface.SetSize(8, 5);
  surface.SetSize(16, 9);
  EXPECT_EQ(surface.Width(), 16);
  EXPECT_EQ(surface.Height(), 9);
  surface.Canvas().FillRect(TRect{0, 0, 16, 9});
  EXPECT_EQ(surface.Pixel(15, 8), Green);
  surface.SetSize(0, 0);
  EXPECT_EQ(surface.Width(), 0);
  EXPECT_EQ(surface.Pixel(0, 0), 0u);
}

TEST(GdiCanvas, TextIsDrawnInsideItsRectangleWithAClearBackground) {
  auto prepare = [](TCanvas& c) {
    c.SetFontName(L"Tahoma");
    c.SetFontSize(12);
    c.SetFontStyle(TFontStyle::Bold);
    c.SetFontColor(AsColor(Black));
    c.SetBrushColor(AsColor(Red));
    c.SetBrushStyle(TBrushStyle::Clear);
  };
  const TRect r{20, 5, 120, 35};
  // Where the ink of the text starts when it is drawn left-aligned at r.Left: glyph bearings make
  // the ink narrower than the text's advance width, so centring is checked against the box.
  Board left(200, 40);
  prepare(left.surface.Canvas());
  DrawTextFmt(left.surface.Canvas(), r, L"Shift", tfLeftLegend);
  const int inkOffset = left.InkColumns(r.Top, r.Bottom).first - r.Left;
  const int textWidth = left.surface.Canvas().TextWidth(L"Shift");

  Board b(200, 40);
  TCanvas& c = b.surface.Canvas();
  prepare(c);
  DrawTextFmt(c, r, L"Shift", tfCentredLegend);
  EXPECT_GT(b.Ink(r.Left, r.Top, r.Right, r.Bottom), 20);
  EXPECT_EQ(b.Ink(0, 0, 200, 40), b.Ink(r.Left, r.Top, r.Right, r.Bottom));
  // Centred: the text's box starts half the free room right of r.Left.
  const auto [first, last] = b.InkColumns(r.Top, r.Bottom);
  EXPECT_NEAR(first, r.Left + (r.Width() - textWidth) / 2 + inkOffset, 1);
  EXPECT_LT(last, r.Right);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x) EXPECT_NE(b.surface.Pixel(x, y), Red) << x << "," << y;
}

TEST(GdiCanvas, LongTextIsLeftAlignedAndClippedAtTheRight) {
  Board b(200, 40);
  TCanvas& c = b.surface.Canvas();
  c.SetFontName(L"Tahoma");
  c.SetFontSize(12);
  c.SetFontColor(AsColor(Black));
  c.SetBrushStyle(TBrushStyle::Clear);
  const std::wstring text = L"Backspace Backspace";
  const TRect r{10, 5, 60, 35};
  ASSERT_GT(c.TextWidth(text), r.Right - r.Left);
  DrawTextFmt(c, r, text, tfLeftLegend);
  EXPECT_GT(b.Ink(r.Left, r.Top, r.Left + 10, r.Bottom), 0) << "starts at the left edge";
  EXPECT_EQ(b.Ink(r.Right, 0, 200, 40), 0) << "nothing beyond the right edge";
  EXPECT_EQ(b.Ink(0, 0, r.Left, 40), 0);
}

TEST(GdiCanvas, AmpersandIsAnOrdinaryCharacter) {
  // "&&" shows two ampersands, not one (prefix processing would merge them).
  auto inkWidth = [](const std::wstring& text) {
    Board b(120, 40);
    TCanvas& c = b.surface.Canvas();
    c.SetFontName(L"Tahoma");
    c.SetFontSize(14);
    c.SetFontColor(AsColor(Black));
    c.SetBrushStyle(TBrushStyle::Clear);
    DrawTextFmt(c, TRect{0, 0, 120, 40}, text, tfCentredLegend);
    const auto [first, last] = b.InkColumns(0, 40);
    return first < 0 ? 0 : last - first + 1;
  };
  const int one = inkWidth(L"&");
  EXPECT_GT(one, 4);
  EXPECT_GT(inkWidth(L"&&"), one * 3 / 2);
}

TEST(GdiCanvas, SolidBrushPaintsBehindText) {
  Board b(100, 40);
  TCanvas& c = b.surface.Canvas();
  c.SetFontName(L"Tahoma");
  c.SetFontSize(12);
  c.SetFontColor(AsColor(Black));
  c.SetBrushColor(AsColor(Red));
  c.SetBrushStyle(TBrushStyle::Solid);
  DrawTextFmt(c, TRect{0, 0, 100, 40}, L"Esc", tfCentredLegend);
  int red = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x)
      if (b.surface.Pixel(x, y) == Red) ++red;
  EXPECT_GT(red, 20);
}

TEST(GdiCanvas, TextExtentGrowsWithSizeAndPixelsPerInch) {
  TGdiSurface surface(96);
  surface.SetSize(10, 10);
  TGdiCanvas& c = static_cast<TGdiCanvas&>(surface.Canvas());
  c.SetFontName(L"Tahoma");
  c.SetFontSize(12);
  const TTextSize at96 = c.TextExtent(L"Enter");
  EXPECT_GE(at96.Height, 14);  // 12 points are 16 pixels at 96 pixels per inch
  EXPECT_LE(at96.Height, 22);
  EXPECT_EQ(c.TextExtent(L"").Width, 0);

  c.SetFontSize(24);
  const TTextSize bigger = c.TextExtent(L"Enter");
  EXPECT_GT(bigger.Width, at96.Width * 3 / 2);

  c.SetFontSize(12);
  c.SetPixelsPerInch(192);
  const TTextSize at192 = c.TextExtent(L"Enter");
  EXPECT_EQ(at192.Height, bigger.Height);
  EXPECT_EQ(at192.Width, bigger.Width);
}

TEST(GdiSurfaceFactory, CreatesEmptyGdiSurfaces) {
  TGdiSurfaceFactory factory;
  auto surface = factory.CreateSurface();
  ASSERT_NE(dynamic_cast<TGdiSurface*>(surface.get()), nullptr);
  EXPECT_EQ(surface->Width(), 0);
  EXPECT_EQ(surface->Height(), 0);
}

}  // namespace

TEST(GdiCanvas, HasGlyphTellsTheFontsOwnGlyphsFromTheMissingBox) {
  TGdiSurface surface(96);
  surface.SetSize(10, 10);
  TCanvas& c = surface.Canvas();
  c.SetFontName(L"Tahoma");
  c.SetFontSize(10);
  EXPECT_TRUE(c.HasGlyph(L'A'));
  EXPECT_FALSE(c.HasGlyph(L'\uE750'));  // a private-use code point only icon fonts fill
}

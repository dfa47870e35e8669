#pragma once
// A canvas that records what is drawn on it, in order, with the pen, brush and font in force at
// the time, and a surface that owns one. Text is measured by a simple rule (see Measure) that
// tests can replace. A canvas can also keep pixels (SetKeepPixels): each operation then paints a
// simple stand-in for what GDI draws, so that two ways of drawing one picture can be compared.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "render/canvas.h"

struct FakeFont {
  std::wstring Name;
  int Size = 0;
  TFontStyles Style;
  TColor Color = 0;
  friend bool operator==(const FakeFont& a, const FakeFont& b) {
    return a.Name == b.Name && a.Size == b.Size && a.Style == b.Style && a.Color == b.Color;
  }
};

enum class FakeOpKind { Rectangle, Polygon, FillRect, Text, Draw, CopyRect };

struct FakeCanvasOp {
  FakeOpKind Kind = FakeOpKind::Rectangle;
  TColor PenColor = 0;
  TColor BrushColor = 0;
  TBrushStyle BrushStyle = TBrushStyle::Solid;
  TRect Rect;                             // Rectangle, FillRect, Text, CopyRect
  std::vector<TPoint> Points;             // Polygon
  FakeFont Font;                          // Text
  std::wstring Text;                      // Text
  TTextFormat Format = 0;                 // Text
  TSurface* Source = nullptr;             // Draw, CopyRect
  int X = 0, Y = 0;                       // Draw: target position
  int SourceWidth = 0, SourceHeight = 0;  // Draw: size of the source at the time
};

class FakeCanvas : public TCanvas {
 public:
  FakeCanvas();

  void SetPenColor(TColor color) override { FPen = color; }
  void SetBrushColor(TColor color) override { FBrush = color; }
  void SetBrushStyle(TBrushStyle style) override { FBrushStyle = style; }
  void Rectangle(const TRect& r) override;
  void Polygon(const std::vector<TPoint>& points) override;
  void FillRect(const TRect& r) override;
  void SetFontName(const std::wstring& face) override { FFont.Name = face; }
  void SetFontSize(int pointSize) override { FFont.Size = pointSize; }
  void SetFontStyle(TFontStyles style) override { FFont.Style = style; }
  void SetFontColor(TColor color) override { FFont.Color = color; }
  // Every font has every glyph, except the characters listed in MissingGlyphs for a face.
  bool HasGlyph(wchar_t ch) override {
    for (const auto& missing : MissingGlyphs)
      if (missing.first == FFont.Name && missing.second == ch) return false;
    return true;
  }
  TTextSize TextExtent(const std::wstring& text) override { return Measure(FFont, text); }
  void DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) override;
  void Draw(int x, int y, TSurface& source) override;
  void CopyRect(const TRect& r, TSurface& source) override;
  void ClipTo(const std::vector<TRect>& rects) override;
  void ResetClip() override;

  // Pixels: kept only after SetKeepPixels(true). Rectangles and polygons fill their inside with
  // the brush and their edges with the pen; text mixes the text, its font and rectangle into
  // every pixel of the rectangle (over what is there when the brush is clear); copies copy. Only
  // pixels inside the clip rectangles change while a clip is set.
  void SetKeepPixels(bool keep);
  void ResizePixels(int width, int height);
  const std::vector<std::uint32_t>& Pixels() const { return FPixels; }
  int PixelWidth() const { return FPixelWidth; }

  // (face, character) pairs the fonts lack.
  std::vector<std::pair<std::wstring, wchar_t>> MissingGlyphs;

  // Current settings.
  TColor PenColor() const { return FPen; }
  TColor BrushColor() const { return FBrush; }
  TBrushStyle BrushStyle() const { return FBrushStyle; }
  const FakeFont& Font() const { return FFont; }

  // Everything drawn so far, in order, and the operations of one kind.
  const std::vector<FakeCanvasOp>& Ops() const { return FOps; }
  std::vector<FakeCanvasOp> OpsOf(FakeOpKind kind) const;
  std::vector<FakeCanvasOp> Texts() const { return OpsOf(FakeOpKind::Text); }
  void ClearOps() { FOps.clear(); }

  // Text measurement. The default: every character is as many pixels wide as the point size,
  // and a line is twice the point size high (an empty text is 0 wide).
  std::function<TTextSize(const FakeFont& font, const std::wstring& text)> Measure;

 private:
  FakeCanvasOp NewOp(FakeOpKind kind) const;
  void Plot(int x, int y, std::uint32_t value);
  std::uint32_t PixelAt(int x, int y) const;
  void FillPixels(const TRect& r, std::uint32_t value);
  void LinePixels(TPoint a, TPoint b, std::uint32_t value);
  void CopyPixels(const TRect& r, int dx, int dy, TSurface& source);

  TColor FPen = 0;
  TColor FBrush = 0xFFFFFF;
  TBrushStyle FBrushStyle = TBrushStyle::Solid;
  FakeFont FFont;
  std::vector<FakeCanvasOp> FOps;
  bool FKeepPixels = false;
  std::vector<std::uint32_t> FPixels;
  int FPixelWidth = 0;
  int FPixelHeight = 0;
  bool FClipped = false;
  std::vector<TRect> FClip;
};

class FakeSurface : public TSurface {
 public:
  void SetSize(int width, int height) override;
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  TCanvas& Canvas() override { return FCanvas; }
  FakeCanvas& Fake() { return FCanvas; }
  // Keeps the pixels of the surface (see FakeCanvas::SetKeepPixels).
  void SetKeepPixels(bool keep);
  int SetSizeCalls() const { return FSetSizeCalls; }

 private:
  int FWidth = 0;
  int FHeight = 0;
  int FSetSizeCalls = 0;
  FakeCanvas FCanvas;
};

// Creates fake surfaces and keeps a pointer to each (they are owned by the caller).
class FakeSurfaceFactory : public TSurfaceFactory {
 public:
  std::unique_ptr<TSurface> CreateSurface() override;
  const std::vector<FakeSurface*>& Created() const { return FCreated; }
  // Surfaces created from now on keep their pixels.
  bool KeepPixels = false;

 private:
  std::vector<FakeSurface*> FCreated;
};

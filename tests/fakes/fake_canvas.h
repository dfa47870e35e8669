#pragma once
// A canvas that records what is drawn on it, in order, with the pen, brush and font in force at
// the time, and a surface that owns one. Text is measured by a simple rule (see Measure) that
// tests can replace. A canvas can also keep pixels (SetKeepPixels): each operation then paints a
// simple stand-in for what GDI draws, so that two ways of drawing one picture can be compared.
#include <functional>
#include <memory>
#include <string>
#include <cstdint>
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
  TRect Rect;                   // Rectangle, FillRect, Text, CopyRect
  std::vector<TPoint> Points;   // Polygon
  FakeFont Font;                // Text
  std::wstring Text;            // Text
  TTextFormat Format = 0;       // Text
  TSurface* Source = nullptr;   // Draw, CopyRect
  int X = 0, Y = 0;             // Draw: target position
  int SourceWidth = 0, SourceHeight = 0;  // Draw: size of the source at the time
};

class FakeCanvas : public TCanvas {
 public:
  FakeCanvas();

  void SetPenColor(TColor color) override { pen_ = color; }
  void SetBrushColor(TColor color) override { brush_ = color; }
  void SetBrushStyle(TBrushStyle style) override { brushStyle_ = style; }
  void Rectangle(const TRect& r) override;
  void Polygon(const std::vector<TPoint>& points) override;
  void FillRect(const TRect& r) override;
  void SetFontName(const std::wstring& face) override { font_.Name = face; }
  void SetFontSize(int pointSize) override { font_.Size = pointSize; }
  void SetFontStyle(TFontStyles style) override { font_.Style = style; }
  void SetFontColor(TColor color) override { font_.Color = color; }
  // Every font has every glyph, except the characters listed in MissingGlyphs for a face.
  bool HasGlyph(wchar_t ch) override {
    for (const auto& missing : MissingGlyphs)
      if (missing.first == font_.Name && missing.second == ch) return false;
    return true;
  }
  TTextSize TextExtent(const std::wstring& text) override { return Measure(font_, text); }
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
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
  int PixelWidth() const { return pixelWidth_; }

  // (face, character) pairs the fonts lack.
  std::vector<std::pair<std::wstring, wchar_t>> MissingGlyphs;

  // Current settings.
  TColor PenColor() const { return pen_; }
  TColor BrushColor() const { return brush_; }
  TBrushStyle BrushStyle() const { return brushStyle_; }
  const FakeFont& Font() const { return font_; }

  // Everything drawn so far, in order, and the operations of one kind.
  const std::vector<FakeCanvasOp>& Ops() const { return ops_; }
  std::vector<FakeCanvasOp> OpsOf(FakeOpKind kind) const;
  std::vector<FakeCanvasOp> Texts() const { return OpsOf(FakeOpKind::Text); }
  void ClearOps() { ops_.clear(); }

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

  TColor pen_ = 0;
  TColor brush_ = 0xFFFFFF;
  TBrushStyle brushStyle_ = TBrushStyle::Solid;
  FakeFont font_;
  std::vector<FakeCanvasOp> ops_;
  bool keepPixels_ = false;
  std::vector<std::uint32_t> pixels_;
  int pixelWidth_ = 0;
  int pixelHeight_ = 0;
  bool clipped_ = false;
  std::vector<TRect> clip_;
};

class FakeSurface : public TSurface {
 public:
  void SetSize(int width, int height) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  TCanvas& Canvas() override { return canvas_; }
  FakeCanvas& Fake() { return canvas_; }
  // Keeps the pixels of the surface (see FakeCanvas::SetKeepPixels).
  void SetKeepPixels(bool keep);
  int SetSizeCalls() const { return setSizeCalls_; }

 private:
  int width_ = 0;
  int height_ = 0;
  int setSizeCalls_ = 0;
  FakeCanvas canvas_;
};

// Creates fake surfaces and keeps a pointer to each (they are owned by the caller).
class FakeSurfaceFactory : public TSurfaceFactory {
 public:
  std::unique_ptr<TSurface> CreateSurface() override;
  const std::vector<FakeSurface*>& Created() const { return created_; }
  // Surfaces created from now on keep their pixels.
  bool KeepPixels = false;

 private:
  std::vector<FakeSurface*> created_;
};

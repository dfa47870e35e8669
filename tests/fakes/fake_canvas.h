#pragma once
// A canvas that records what is drawn on it, in order, with the pen, brush and font in force at
// the time, and a surface that owns one. Text is measured by a simple rule (see Measure) that
// tests can replace.
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

enum class FakeOpKind { Rectangle, Polygon, FillRect, Text, Draw };

struct FakeCanvasOp {
  FakeOpKind Kind = FakeOpKind::Rectangle;
  TColor PenColor = 0;
  TColor BrushColor = 0;
  TBrushStyle BrushStyle = TBrushStyle::Solid;
  TRect Rect;                   // Rectangle, FillRect, Text
  std::vector<TPoint> Points;   // Polygon
  FakeFont Font;                // Text
  std::wstring Text;            // Text
  TTextFormat Format = 0;       // Text
  TSurface* Source = nullptr;   // Draw
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

  TColor pen_ = 0;
  TColor brush_ = 0xFFFFFF;
  TBrushStyle brushStyle_ = TBrushStyle::Solid;
  FakeFont font_;
  std::vector<FakeCanvasOp> ops_;
};

class FakeSurface : public TSurface {
 public:
  void SetSize(int width, int height) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  TCanvas& Canvas() override { return canvas_; }
  FakeCanvas& Fake() { return canvas_; }
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

 private:
  std::vector<FakeSurface*> created_;
};

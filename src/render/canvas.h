#pragma once
// The drawing seam: what the keys, the keyboard image and the transparency slider draw with.
// One GDI implementation (render/win32/gdi_canvas.h) and one recording fake for the tests
// (tests/fakes/fake_canvas.h).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "render/colors.h"

// Font styles, a set of bold, italic, underline and strike-out. The empty set is regular.
enum class TFontStyle : std::uint8_t { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(TFontStyle style) : FBits(static_cast<std::uint8_t>(style)) {}
  constexpr bool Contains(TFontStyle style) const { return (FBits & static_cast<std::uint8_t>(style)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr std::uint8_t Bits() const { return FBits; }
  constexpr TFontStyles operator|(TFontStyles other) const {
    return FromBits(static_cast<std::uint8_t>(FBits | other.FBits));
  }
  friend constexpr bool operator==(TFontStyles a, TFontStyles b) { return a.FBits == b.FBits; }
  friend constexpr bool operator!=(TFontStyles a, TFontStyles b) { return a.FBits != b.FBits; }

 private:
  static constexpr TFontStyles FromBits(std::uint8_t bits) {
    TFontStyles s;
    s.FBits = bits;
    return s;
  }
  std::uint8_t FBits = 0;
};

constexpr TFontStyles operator|(TFontStyle a, TFontStyle b) { return TFontStyles(a) | TFontStyles(b); }

// Solid fills shapes and paints the background behind text; Clear leaves both untouched.
enum class TBrushStyle : std::uint8_t { Solid, Clear };

// Format flags of one line of text in a rectangle (the DrawTextExW flags of the same names).
// Without tfCenter the text is left-aligned; text is always clipped to the rectangle.
using TTextFormat = unsigned;
constexpr TTextFormat tfCenter = 1;      // DT_CENTER
constexpr TTextFormat tfVCenter = 2;     // DT_VCENTER
constexpr TTextFormat tfSingleLine = 4;  // DT_SINGLELINE
constexpr TTextFormat tfNoPrefix = 8;    // DT_NOPREFIX: "&" is an ordinary character
// The two formats the legends use.
constexpr TTextFormat tfCentredLegend = tfCenter | tfVCenter | tfSingleLine | tfNoPrefix;
constexpr TTextFormat tfLeftLegend = tfVCenter | tfSingleLine | tfNoPrefix;

struct TTextSize {
  int Width = 0;
  int Height = 0;
};

class TSurface;

// A drawing surface's canvas. Pen width is always 1. Colours may be system colours; they are
// resolved when drawn.
class TCanvas {
 public:
  virtual ~TCanvas() = default;

  virtual void SetPenColor(TColor color) = 0;
  virtual void SetBrushColor(TColor color) = 0;
  virtual void SetBrushStyle(TBrushStyle style) = 0;

  // Filled with the brush (unless clear) and outlined with the pen; the right and bottom edges
  // are exclusive, as with Windows Rectangle.
  virtual void Rectangle(const TRect& r) = 0;
  // Closed polygon through the points in order, filled (alternate mode) and outlined.
  virtual void Polygon(const std::vector<TPoint>& points) = 0;
  // Fills r (right and bottom exclusive) with the brush colour, no outline.
  virtual void FillRect(const TRect& r) = 0;

  virtual void SetFontName(const std::wstring& face) = 0;
  virtual void SetFontSize(int pointSize) = 0;
  virtual void SetFontStyle(TFontStyles style) = 0;
  virtual void SetFontColor(TColor color) = 0;

  // Whether the current font has a glyph of its own for the character (not the font's "missing
  // glyph" box). Symbol glyphs fall back to the key's name when their font lacks them.
  virtual bool HasGlyph(wchar_t ch) = 0;

  // Size in pixels of one line of text in the current font.
  virtual TTextSize TextExtent(const std::wstring& text) = 0;
  int TextWidth(const std::wstring& text) { return TextExtent(text).Width; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).Height; }

  // One line of text in r with the current font and colour; the background behind the glyphs is
  // painted with the brush colour when the brush is solid and left alone when it is clear.
  virtual void DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) = 0;

  // Copies the whole of source onto this canvas with its top-left corner at (x, y).
  virtual void Draw(int x, int y, TSurface& source) = 0;
  // Copies the part r of source onto the same place of this canvas.
  virtual void CopyRect(const TRect& r, TSurface& source) = 0;

  // Restricts everything drawn from now on to the union of rects (right and bottom exclusive),
  // until ResetClip.
  virtual void ClipTo(const std::vector<TRect>& rects) = 0;
  virtual void ResetClip() = 0;
};

// An off-screen bitmap with a canvas. A new surface is 0 x 0; SetSize keeps the canvas settings
// (pen, brush, font) and leaves the contents undefined.
class TSurface {
 public:
  virtual ~TSurface() = default;
  virtual void SetSize(int width, int height) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual TCanvas& Canvas() = 0;
};

// Creates off-screen surfaces of the kind the running program draws with.
class TSurfaceFactory {
 public:
  virtual ~TSurfaceFactory() = default;
  virtual std::unique_ptr<TSurface> CreateSurface() = 0;
};

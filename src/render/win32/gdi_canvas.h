#pragma once
// The canvas and off-screen surfaces on GDI.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"
#include "render/canvas.h"

// The RGB value a colour is drawn with: system colours through GetSysColor.
COLORREF ResolveColor(TColor color);

// A canvas on a device context it does not own (a window's paint DC or a surface's memory DC).
// Pens, brushes and fonts are created when first needed after a change and stay selected into the
// DC; when the canvas goes, the DC's original objects are selected back before its own are deleted.
class TGdiCanvas : public TCanvas {
 public:
  // Point sizes become pixels at pixelsPerInch (the screen's by default).
  explicit TGdiCanvas(HDC dc, int pixelsPerInch = 0);
  TGdiCanvas(const TGdiCanvas&) = delete;
  TGdiCanvas& operator=(const TGdiCanvas&) = delete;
  ~TGdiCanvas() override;

  void SetPenColor(TColor color) override;
  void SetBrushColor(TColor color) override;
  void SetBrushStyle(TBrushStyle style) override;
  void Rectangle(const TRect& r) override;
  void Polygon(const std::vector<TPoint>& points) override;
  void FillRect(const TRect& r) override;
  void SetFontName(const std::wstring& face) override;
  void SetFontSize(int pointSize) override;
  void SetFontStyle(TFontStyles style) override;
  void SetFontColor(TColor color) override { FFontColor = color; }
  bool HasGlyph(wchar_t ch) override;
  TTextSize TextExtent(const std::wstring& text) override;
  void DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) override;
  void Draw(int x, int y, TSurface& source) override;
  void CopyRect(const TRect& r, TSurface& source) override;
  void ClipTo(const std::vector<TRect>& rects) override;
  void ResetClip() override;

  HDC Handle() const { return FDc; }
  void SetPixelsPerInch(int pixelsPerInch);

 private:
  void PreparePen();
  void PrepareBrush();
  void PrepareFont();
  void PrepareTextColors();

  HDC FDc;
  int FPixelsPerInch;

  TColor FPenColor = 0;
  TColor FBrushColor = 0xFFFFFF;
  TBrushStyle FBrushStyle = TBrushStyle::Solid;
  std::wstring FFontName = L"Tahoma";
  int FFontSize = 8;
  TFontStyles FFontStyle;
  TColor FFontColor = 0;

  // What is selected into the DC now; a change resets the "selected" flag.
  TPenHandle FPen;
  TBrushHandle FBrush;
  TFontHandle FFont;
  bool FPenSelected = false;
  bool FBrushSelected = false;
  bool FFontSelected = false;
  COLORREF FSelectedPenRgb = 0;
  COLORREF FSelectedBrushRgb = 0;

  // Declared after the objects they select, so that they select the DC's own back before those
  // are deleted.
  TSelectedObject FPenSelection;
  TSelectedObject FBrushSelection;
  TSelectedObject FFontSelection;
};

// An off-screen 32-bit bitmap in a memory DC, with a canvas on it.
class TGdiSurface : public TSurface {
 public:
  explicit TGdiSurface(int pixelsPerInch = 0);
  TGdiSurface(const TGdiSurface&) = delete;
  TGdiSurface& operator=(const TGdiSurface&) = delete;
  ~TGdiSurface() override;

  void SetSize(int width, int height) override;
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  TCanvas& Canvas() override { return *FCanvas; }

  HDC Handle() const { return FDc.Get(); }
  // The RGB value of one pixel (0x00BBGGRR); 0 outside the bitmap.
  COLORREF Pixel(int x, int y) const;

 private:
  TMemoryDc FDc{CreateCompatibleDC(nullptr)};
  TBitmapHandle FBitmap;
  TSelectedObject FBitmapSelection;      // after the bitmap, so that it is deselected before deleted
  const std::uint32_t* FBits = nullptr;  // top-down rows of 0x00RRGGBB pixels
  int FWidth = 0;
  int FHeight = 0;
  std::unique_ptr<TGdiCanvas> FCanvas;  // last, so that it goes first and puts the DC's originals back
};

class TGdiSurfaceFactory : public TSurfaceFactory {
 public:
  std::unique_ptr<TSurface> CreateSurface() override { return std::make_unique<TGdiSurface>(); }
};

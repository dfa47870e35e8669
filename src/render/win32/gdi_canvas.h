#pragma once
// The canvas and off-screen surfaces on GDI.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "platform/win32/win32_handles.h"

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
  void SetFontColor(TColor color) override { fontColor_ = color; }
  bool HasGlyph(wchar_t ch) override;
  TTextSize TextExtent(const std::wstring& text) override;
  void DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) override;
  void Draw(int x, int y, TSurface& source) override;
  void CopyRect(const TRect& r, TSurface& source) override;
  void ClipTo(const std::vector<TRect>& rects) override;
  void ResetClip() override;

  HDC Handle() const { return dc_; }
  void SetPixelsPerInch(int pixelsPerInch);

 private:
  void PreparePen();
  void PrepareBrush();
  void PrepareFont();
  void PrepareTextColors();

  HDC dc_;
  int pixelsPerInch_;

  TColor penColor_ = 0;
  TColor brushColor_ = 0xFFFFFF;
  TBrushStyle brushStyle_ = TBrushStyle::Solid;
  std::wstring fontName_ = L"Tahoma";
  int fontSize_ = 8;
  TFontStyles fontStyle_;
  TColor fontColor_ = 0;

  // What is selected into the DC now; a change resets the "selected" flag.
  TPenHandle pen_;
  TBrushHandle brush_;
  TFontHandle font_;
  bool penSelected_ = false;
  bool brushSelected_ = false;
  bool fontSelected_ = false;
  COLORREF selectedPenRgb_ = 0;
  COLORREF selectedBrushRgb_ = 0;

  // Declared after the objects they select, so that they select the DC's own back before those
  // are deleted.
  TSelectedObject penSelection_;
  TSelectedObject brushSelection_;
  TSelectedObject fontSelection_;
};

// An off-screen 32-bit bitmap in a memory DC, with a canvas on it.
class TGdiSurface : public TSurface {
 public:
  explicit TGdiSurface(int pixelsPerInch = 0);
  TGdiSurface(const TGdiSurface&) = delete;
  TGdiSurface& operator=(const TGdiSurface&) = delete;
  ~TGdiSurface() override;

  void SetSize(int width, int height) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  TCanvas& Canvas() override { return *canvas_; }

  HDC Handle() const { return dc_.Get(); }
  // The RGB value of one pixel (0x00BBGGRR); 0 outside the bitmap.
  COLORREF Pixel(int x, int y) const;

 private:
  TMemoryDc dc_{CreateCompatibleDC(nullptr)};
  TBitmapHandle bitmap_;
  TSelectedObject bitmapSelection_;  // after the bitmap, so that it is deselected before deleted
  const std::uint32_t* bits_ = nullptr;  // top-down rows of 0x00RRGGBB pixels
  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<TGdiCanvas> canvas_;  // last, so that it goes first and puts the DC's originals back
};

class TGdiSurfaceFactory : public TSurfaceFactory {
 public:
  std::unique_ptr<TSurface> CreateSurface() override { return std::make_unique<TGdiSurface>(); }
};

#include "render/win32/gdi_canvas.h"

#include <algorithm>

#include "platform/win32/screen.h"

COLORREF ResolveColor(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

namespace {

RECT ToRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

UINT DrawTextFlags(TTextFormat format) {
  UINT flags = 0;
  if (format & tfCenter) flags |= DT_CENTER;
  if (format & tfVCenter) flags |= DT_VCENTER;
  if (format & tfSingleLine) flags |= DT_SINGLELINE;
  if (format & tfNoPrefix) flags |= DT_NOPREFIX;
  return flags;
}

}  // namespace

TGdiCanvas::TGdiCanvas(HDC dc, int pixelsPerInch)
    : FDc(dc), FPixelsPerInch(pixelsPerInch > 0 ? pixelsPerInch : ScreenPixelsPerInch()) {}

// The selections go before the pen, brush and font they hold selected.
TGdiCanvas::~TGdiCanvas() = default;

void TGdiCanvas::SetPenColor(TColor color) { FPenColor = color; }
void TGdiCanvas::SetBrushColor(TColor color) { FBrushColor = color; }
void TGdiCanvas::SetBrushStyle(TBrushStyle style) { FBrushStyle = style; }

void TGdiCanvas::SetFontName(const std::wstring& face) {
  if (face != FFontName) FFontSelected = false;
  FFontName = face;
}

void TGdiCanvas::SetFontSize(int pointSize) {
  if (pointSize != FFontSize) FFontSelected = false;
  FFontSize = pointSize;
}

void TGdiCanvas::SetFontStyle(TFontStyles style) {
  if (style != FFontStyle) FFontSelected = false;
  FFontStyle = style;
}

void TGdiCanvas::SetPixelsPerInch(int pixelsPerInch) {
  if (pixelsPerInch > 0 && pixelsPerInch != FPixelsPerInch) {
    FPixelsPerInch = pixelsPerInch;
    FFontSelected = false;
  }
}

void TGdiCanvas::PreparePen() {
  // System colours are resolved on every use, so a changed system colour gets a new pen.
  const COLORREF rgb = ResolveColor(FPenColor);
  if (FPen && FPenSelected && rgb == FSelectedPenRgb) return;
  TPenHandle pen(CreatePen(PS_SOLID, 1, rgb));
  if (!pen) return;
  FPenSelection.Select(FDc, pen.Get());
  FPen = std::move(pen);  // the previous pen is no longer selected and is deleted here
  FSelectedPenRgb = rgb;
  FPenSelected = true;
}

void TGdiCanvas::PrepareBrush() {
  if (FBrushStyle == TBrushStyle::Clear) {
    FBrushSelection.Select(FDc, GetStockObject(NULL_BRUSH));
    FBrushSelected = false;
    return;
  }
  const COLORREF rgb = ResolveColor(FBrushColor);
  if (FBrush && rgb == FSelectedBrushRgb) {
    if (!FBrushSelected) FBrushSelection.Select(FDc, FBrush.Get());
    FBrushSelected = true;
    return;
  }
  TBrushHandle brush(CreateSolidBrush(rgb));
  if (!brush) return;
  FBrushSelection.Select(FDc, brush.Get());
  FBrush = std::move(brush);
  FSelectedBrushRgb = rgb;
  FBrushSelected = true;
}

void TGdiCanvas::PrepareFont() {
  if (FFont && FFontSelected) return;
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(FFontSize, FPixelsPerInch, 72);
  lf.lfWeight = FFontStyle.Contains(TFontStyle::Bold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = FFontStyle.Contains(TFontStyle::Italic) ? TRUE : FALSE;
  lf.lfUnderline = FFontStyle.Contains(TFontStyle::Underline) ? TRUE : FALSE;
  lf.lfStrikeOut = FFontStyle.Contains(TFontStyle::StrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  const size_t n = std::min(FFontName.size(), static_cast<size_t>(LF_FACESIZE - 1));
  std::copy_n(FFontName.begin(), n, lf.lfFaceName);
  lf.lfFaceName[n] = L'\0';
  TFontHandle font(CreateFontIndirectW(&lf));
  if (!font) return;
  FFontSelection.Select(FDc, font.Get());
  FFont = std::move(font);
  FFontSelected = true;
}

void TGdiCanvas::PrepareTextColors() {
  SetTextColor(FDc, ResolveColor(FFontColor));
  if (FBrushStyle == TBrushStyle::Solid) {
    SetBkMode(FDc, OPAQUE);
    SetBkColor(FDc, ResolveColor(FBrushColor));
  } else {
    SetBkMode(FDc, TRANSPARENT);
  }
}

void TGdiCanvas::Rectangle(const TRect& r) {
  PreparePen();
  PrepareBrush();
  ::Rectangle(FDc, r.Left, r.Top, r.Right, r.Bottom);
}

void TGdiCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  std::vector<POINT> pts;
  pts.reserve(points.size());
  for (const auto& p : points) pts.push_back(POINT{p.x, p.y});
  PreparePen();
  PrepareBrush();
  SetPolyFillMode(FDc, ALTERNATE);
  ::Polygon(FDc, pts.data(), static_cast<int>(pts.size()));
}

void TGdiCanvas::FillRect(const TRect& r) {
  if (FBrushStyle == TBrushStyle::Clear) return;
  PrepareBrush();
  const RECT rc = ToRect(r);
  ::FillRect(FDc, &rc, FBrush.Get());
}

bool TGdiCanvas::HasGlyph(wchar_t ch) {
  PrepareFont();
  WORD index = 0;
  if (GetGlyphIndicesW(FDc, &ch, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) return false;
  return index != 0xFFFF;
}

TTextSize TGdiCanvas::TextExtent(const std::wstring& text) {
  PrepareFont();
  SIZE size{};
  if (!GetTextExtentPoint32W(FDc, text.c_str(), static_cast<int>(text.size()), &size)) return {};
  return TTextSize{size.cx, size.cy};
}

void TGdiCanvas::DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) {
  PrepareFont();
  PrepareTextColors();
  RECT rc = ToRect(r);
  std::wstring buffer = text;  // DrawTextExW takes a writable string
  DrawTextExW(FDc, buffer.data(), static_cast<int>(buffer.size()), &rc, DrawTextFlags(format), nullptr);
}

void TGdiCanvas::Draw(int x, int y, TSurface& source) {
  auto* gdi = dynamic_cast<TGdiSurface*>(&source);
  if (!gdi || gdi->Width() <= 0 || gdi->Height() <= 0) return;
  BitBlt(FDc, x, y, gdi->Width(), gdi->Height(), gdi->Handle(), 0, 0, SRCCOPY);
}

void TGdiCanvas::CopyRect(const TRect& r, TSurface& source) {
  auto* gdi = dynamic_cast<TGdiSurface*>(&source);
  if (!gdi || r.Width() <= 0 || r.Height() <= 0) return;
  BitBlt(FDc, r.Left, r.Top, r.Width(), r.Height(), gdi->Handle(), r.Left, r.Top, SRCCOPY);
}

void TGdiCanvas::ClipTo(const std::vector<TRect>& rects) {
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  if (!region) return;
  for (const TRect& r : rects) {
    TRegionHandle part(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    if (part) CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
  }
  SelectClipRgn(FDc, region.Get());  // the DC keeps a copy
}

void TGdiCanvas::ResetClip() { SelectClipRgn(FDc, nullptr); }

TGdiSurface::TGdiSurface(int pixelsPerInch) : FCanvas(std::make_unique<TGdiCanvas>(FDc.Get(), pixelsPerInch)) {}

// The canvas puts the DC's original pen, brush and font back, the selection its bitmap; then the
// bitmap and the DC are deleted.
TGdiSurface::~TGdiSurface() = default;

void TGdiSurface::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight) return;

  TBitmapHandle bitmap;
  void* bits = nullptr;
  if (width > 0 && height > 0) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap.Reset(CreateDIBSection(FDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
      width = height = 0;
      bits = nullptr;
    }
  }

  if (bitmap) {
    FBitmapSelection.Select(FDc.Get(), bitmap.Get());
  } else {
    FBitmapSelection.Restore();
  }
  FBitmap = std::move(bitmap);  // the previous bitmap is deselected by now
  FBits = static_cast<const std::uint32_t*>(bits);
  FWidth = width;
  FHeight = height;
}

COLORREF TGdiSurface::Pixel(int x, int y) const {
  if (!FBits || x < 0 || y < 0 || x >= FWidth || y >= FHeight) return 0;
  GdiFlush();
  const std::uint32_t v = FBits[static_cast<size_t>(y) * FWidth + x];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

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
    : dc_(dc), pixelsPerInch_(pixelsPerInch > 0 ? pixelsPerInch : ScreenPixelsPerInch()) {}

// The selections go before the pen, brush and font they hold selected.
TGdiCanvas::~TGdiCanvas() = default;

void TGdiCanvas::SetPenColor(TColor color) { penColor_ = color; }
void TGdiCanvas::SetBrushColor(TColor color) { brushColor_ = color; }
void TGdiCanvas::SetBrushStyle(TBrushStyle style) { brushStyle_ = style; }

void TGdiCanvas::SetFontName(const std::wstring& face) {
  if (face != fontName_) fontSelected_ = false;
  fontName_ = face;
}

void TGdiCanvas::SetFontSize(int pointSize) {
  if (pointSize != fontSize_) fontSelected_ = false;
  fontSize_ = pointSize;
}

void TGdiCanvas::SetFontStyle(TFontStyles style) {
  if (style != fontStyle_) fontSelected_ = false;
  fontStyle_ = style;
}

void TGdiCanvas::SetPixelsPerInch(int pixelsPerInch) {
  if (pixelsPerInch > 0 && pixelsPerInch != pixelsPerInch_) {
    pixelsPerInch_ = pixelsPerInch;
    fontSelected_ = false;
  }
}

void TGdiCanvas::PreparePen() {
  // System colours are resolved on every use, so a changed system colour gets a new pen.
  const COLORREF rgb = ResolveColor(penColor_);
  if (pen_ && penSelected_ && rgb == selectedPenRgb_) return;
  TPenHandle pen(CreatePen(PS_SOLID, 1, rgb));
  if (!pen) return;
  penSelection_.Select(dc_, pen.Get());
  pen_ = std::move(pen);  // the previous pen is no longer selected and is deleted here
  selectedPenRgb_ = rgb;
  penSelected_ = true;
}

void TGdiCanvas::PrepareBrush() {
  if (brushStyle_ == TBrushStyle::Clear) {
    brushSelection_.Select(dc_, GetStockObject(NULL_BRUSH));
    brushSelected_ = false;
    return;
  }
  const COLORREF rgb = ResolveColor(brushColor_);
  if (brush_ && rgb == selectedBrushRgb_) {
    if (!brushSelected_) brushSelection_.Select(dc_, brush_.Get());
    brushSelected_ = true;
    return;
  }
  TBrushHandle brush(CreateSolidBrush(rgb));
  if (!brush) return;
  brushSelection_.Select(dc_, brush.Get());
  brush_ = std::move(brush);
  selectedBrushRgb_ = rgb;
  brushSelected_ = true;
}

void TGdiCanvas::PrepareFont() {
  if (font_ && fontSelected_) return;
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(fontSize_, pixelsPerInch_, 72);
  lf.lfWeight = fontStyle_.Contains(TFontStyle::Bold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = fontStyle_.Contains(TFontStyle::Italic) ? TRUE : FALSE;
  lf.lfUnderline = fontStyle_.Contains(TFontStyle::Underline) ? TRUE : FALSE;
  lf.lfStrikeOut = fontStyle_.Contains(TFontStyle::StrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  const size_t n = std::min(fontName_.size(), static_cast<size_t>(LF_FACESIZE - 1));
  std::copy_n(fontName_.begin(), n, lf.lfFaceName);
  lf.lfFaceName[n] = L'\0';
  TFontHandle font(CreateFontIndirectW(&lf));
  if (!font) return;
  fontSelection_.Select(dc_, font.Get());
  font_ = std::move(font);
  fontSelected_ = true;
}

void TGdiCanvas::PrepareTextColors() {
  SetTextColor(dc_, ResolveColor(fontColor_));
  if (brushStyle_ == TBrushStyle::Solid) {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ResolveColor(brushColor_));
  } else {
    SetBkMode(dc_, TRANSPARENT);
  }
}

void TGdiCanvas::Rectangle(const TRect& r) {
  PreparePen();
  PrepareBrush();
  ::Rectangle(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TGdiCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  std::vector<POINT> pts;
  pts.reserve(points.size());
  for (const auto& p : points) pts.push_back(POINT{p.x, p.y});
  PreparePen();
  PrepareBrush();
  SetPolyFillMode(dc_, ALTERNATE);
  ::Polygon(dc_, pts.data(), static_cast<int>(pts.size()));
}

void TGdiCanvas::FillRect(const TRect& r) {
  if (brushStyle_ == TBrushStyle::Clear) return;
  PrepareBrush();
  const RECT rc = ToRect(r);
  ::FillRect(dc_, &rc, brush_.Get());
}

bool TGdiCanvas::HasGlyph(wchar_t ch) {
  PrepareFont();
  WORD index = 0;
  if (GetGlyphIndicesW(dc_, &ch, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) return false;
  return index != 0xFFFF;
}

TTextSize TGdiCanvas::TextExtent(const std::wstring& text) {
  PrepareFont();
  SIZE size{};
  if (!GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size)) return {};
  return TTextSize{size.cx, size.cy};
}

void TGdiCanvas::DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) {
  PrepareFont();
  PrepareTextColors();
  RECT rc = ToRect(r);
  std::wstring buffer = text;  // DrawTextExW takes a writable string
  DrawTextExW(dc_, buffer.data(), static_cast<int>(buffer.size()), &rc, DrawTextFlags(format),
              nullptr);
}

void TGdiCanvas::Draw(int x, int y, TSurface& source) {
  auto* gdi = dynamic_cast<TGdiSurface*>(&source);
  if (!gdi || gdi->Width() <= 0 || gdi->Height() <= 0) return;
  BitBlt(dc_, x, y, gdi->Width(), gdi->Height(), gdi->Handle(), 0, 0, SRCCOPY);
}

void TGdiCanvas::CopyRect(const TRect& r, TSurface& source) {
  auto* gdi = dynamic_cast<TGdiSurface*>(&source);
  if (!gdi || r.Width() <= 0 || r.Height() <= 0) return;
  BitBlt(dc_, r.Left, r.Top, r.Width(), r.Height(), gdi->Handle(), r.Left, r.Top, SRCCOPY);
}

void TGdiCanvas::ClipTo(const std::vector<TRect>& rects) {
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  if (!region) return;
  for (const TRect& r : rects) {
    TRegionHandle part(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    if (part) CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
  }
  SelectClipRgn(dc_, region.Get());  // the DC keeps a copy
}

void TGdiCanvas::ResetClip() { SelectClipRgn(dc_, nullptr); }

TGdiSurface::TGdiSurface(int pixelsPerInch)
    : canvas_(std::make_unique<TGdiCanvas>(dc_.Get(), pixelsPerInch)) {}

// The canvas puts the DC's original pen, brush and font back, the selection its bitmap; then the
// bitmap and the DC are deleted.
TGdiSurface::~TGdiSurface() = default;

void TGdiSurface::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;

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
    bitmap.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
      width = height = 0;
      bits = nullptr;
    }
  }

  if (bitmap) {
    bitmapSelection_.Select(dc_.Get(), bitmap.Get());
  } else {
    bitmapSelection_.Restore();
  }
  bitmap_ = std::move(bitmap);  // the previous bitmap is deselected by now
  bits_ = static_cast<const std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
}

COLORREF TGdiSurface::Pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  GdiFlush();
  const std::uint32_t v = bits_[static_cast<size_t>(y) * width_ + x];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

#include "render/lv_btn.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "keys/vk_classes.h"
#include "keys/vk_codes.h"
#include "platform/rounding.h"
#include "render/fonts.h"
#include "render/theme.h"

namespace {

// Windows PtInRect: left and top inclusive, right and bottom exclusive.
bool PtInRect(int l, int t, int r, int b, const TPoint& p) { return p.x >= l && p.x < r && p.y >= t && p.y < b; }

bool IsSeparator(const TPoint& p) { return p.x == -1 && p.y == -1; }

// Lock keys drawn pressed while their lock is on.
bool ShowsLockState(std::uint8_t vk) { return vk == VkCapital || vk == VkNumLock; }

// The smallest rectangle holding both (an empty one adds nothing).
TRect Union(const TRect& a, const TRect& b) {
  if (b.Right <= b.Left || b.Bottom <= b.Top) return a;
  if (a.Right <= a.Left || a.Bottom <= a.Top) return b;
  return TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
               std::max(a.Bottom, b.Bottom)};
}

bool Meets(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// One part of an outline: a two-part outline (a separator point between its parts) has its main
// part 0 and its extended part 1; every other outline is all part 0 and has no part 1.
std::vector<TPoint> OutlinePart(const std::vector<TPoint>& points, int part) {
  const auto sep = std::find_if(points.begin(), points.end(), IsSeparator);
  if (sep == points.end() || points.size() <= 2) return part == 0 ? points : std::vector<TPoint>{};
  return part == 0 ? std::vector<TPoint>(points.begin(), sep) : std::vector<TPoint>(sep + 1, points.end());
}

int ScaleCoordinate(int layoutValue, long double factor) {
  return TLvBtn::LimitCoordinate(std::ceil(static_cast<long double>(layoutValue) * factor));
}

}  // namespace

TLvBtn::TLvBtn(const TKeyDrawContext& context, std::uint8_t keyCode, TCanvas& canvas, const std::vector<TPoint>& points)
    : FKeyCode(keyCode), FCanvas(&canvas), FContext(context), FPlaceKey(this), FExtended(IsExtendedVk(keyCode)) {
  SetPoints(points);
  Paint();
}

void TLvBtn::SetPoints(const std::vector<TPoint>& points) {
  if (points.size() > static_cast<std::size_t>(MaxPoints)) return;
  FPoints.clear();
  for (const TPoint& p : points) FPoints.push_back({LimitCoordinate(p.x), LimitCoordinate(p.y)});
  FLayoutPoints = FPoints;
  ++FGeneration;
}

int TLvBtn::LimitCoordinate(long double value) {
  if (!(value >= -MaxCoordinate)) return -MaxCoordinate;  // also NaN
  if (value > MaxCoordinate) return MaxCoordinate;
  return static_cast<int>(value);
}

void TLvBtn::ScaleOutline(long double fx, long double fy) {
  for (std::size_t i = 0; i < FPoints.size(); ++i) {
    if (FPoints[i] == Separator) continue;
    FPoints[i].x = ScaleCoordinate(FLayoutPoints[i].x, fx);
    FPoints[i].y = ScaleCoordinate(FLayoutPoints[i].y, fy);
  }
  ++FGeneration;
}

void TLvBtn::ForgetDrawnShape() {
  FShapePressed = false;
  FShapeHot = false;
  FShapeScan = false;
}

void TLvBtn::SetHot(bool value) {
  FHot = value;
  Paint();
}

void TLvBtn::SetColors(TCanvas& canvas, bool pressed, bool hot, std::uint8_t classVk) {
  FDrawPressed = pressed;
  FDrawHot = hot;
  FDrawScan = false;
  if (ShowsLockState(FKeyCode)) {
    // Caps Lock and Num Lock show the toggle state, and their outline is redrawn on every paint.
    FDrawPressed = FContext.KeyState()[FKeyCode] != 0;
    FShapePressed = !FDrawPressed;
  }
  TColor pen, brush;
  if (FDrawPressed) {
    pen = Theme.DownBorder;
    brush = Theme.DownFace;
    FNameColor = Theme.DownName;
    FCharColor = Theme.DownChar;
  } else if (FDrawHot) {
    pen = Theme.HotBorder;
    brush = Theme.HotFace;
    FNameColor = Theme.HotName;
    FCharColor = Theme.HotChar;
  } else {
    pen = Theme.KeyBorder;
    FNameColor = Theme.KeyName;
    FCharColor = Theme.KeyChar;
    if (IsCommandVk(classVk)) {
      brush = Theme.CmdFace;
      pen = Theme.CmdBorder;
      FNameColor = Theme.CmdName;
    } else if (IsFunctionVk(classVk)) {
      brush = Theme.FnFace;
      pen = Theme.FnBorder;
      FNameColor = Theme.FnName;
    } else {
      brush = Theme.KeyFace;
    }
  }
  canvas.SetPenColor(pen);
  canvas.SetBrushColor(brush);
  canvas.SetBrushStyle(TBrushStyle::Solid);
}

void TLvBtn::SetScanColors(TCanvas& canvas) {
  if (!FScan) return;
  FDrawScan = true;
  FNameColor = Theme.ScanLegend;
  FCharColor = Theme.ScanLegend;
  canvas.SetPenColor(Theme.ScanBorder);
  canvas.SetBrushColor(Theme.ScanFace);
}

void TLvBtn::Paint() {
  if (FContext.PaintEnabled()) PaintTo(*FCanvas, false);
}

void TLvBtn::PaintWithin(const std::vector<TRect>& region) {
  if (!FContext.PaintEnabled()) return;
  FShown = CurrentLook();
  TLvBtn* place = FPlaceKey;
  if (!place || place->FPoints.empty()) return;
  SetColors(*FCanvas, FPressed, FHot, place->FKeyCode);
  SetScanColors(*FCanvas);
  DrawFace(*FCanvas, place->FPoints, &region);
  if (FHoverProgress > 0 && !FDrawPressed) DrawHoverProgress(*FCanvas, place->FPoints);
}

void TLvBtn::PaintTo(TCanvas& canvas, bool outlineOnly) {
  TLvBtn* place = FPlaceKey;
  if (!outlineOnly) FShown = CurrentLook();
  if (!place || place->FPoints.empty()) return;
  if (outlineOnly) {
    DrawOutline(canvas, place->FPoints, true);
    return;
  }
  SetColors(canvas, FPressed, FHot, place->FKeyCode);
  SetScanColors(canvas);
  DrawFace(canvas, place->FPoints);
  if (FHoverProgress > 0 && !FDrawPressed) DrawHoverProgress(canvas, place->FPoints);
}

bool TLvBtn::SetHoverProgress(int permille) {
  permille = std::clamp(permille, 0, 1000);
  if (permille == FHoverProgress) return false;
  // A shorter bar needs the face drawn again underneath it.
  if (permille < FHoverProgress) FFaceStale = true;
  FHoverProgress = permille;
  Paint();
  return true;
}

void TLvBtn::DrawHoverProgress(TCanvas& canvas, const std::vector<TPoint>& points) {
  if (points.size() < 2) return;
  TLegendBox box;
  ComputeBounds(points, box);
  const int thickness = std::max(3, (box.B - box.T) / 8);
  const int bottom = box.B - 2;
  const int top = bottom - thickness;
  if (top <= box.T) return;
  // The bar runs where both its edges lie on the outline (the narrow foot of a two-row Enter).
  int left = box.L + 2;
  int right = box.R - 2;
  while (left < right && !(HitTest(left, top) && HitTest(left, bottom - 1))) ++left;
  while (right > left && !(HitTest(right - 1, top) && HitTest(right - 1, bottom - 1))) --right;
  if (right <= left) return;
  const int end = left + static_cast<int>(static_cast<long long>(right - left) * FHoverProgress / 1000);
  if (end <= left) return;
  canvas.SetBrushColor(Theme.DownFace);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  canvas.FillRect(TRect{left, top, end, bottom});
}

TLvBtn::TLook TLvBtn::CurrentLook() const {
  TLook look;
  look.Place = FPlaceKey;
  if (!Drawn()) return look;
  look.DrawPressed = ShowsLockState(FKeyCode) ? FContext.KeyState()[FKeyCode] != 0 : FPressed;
  look.Hot = FHot;
  look.Scan = FScan;
  look.Pressed = FPressed;
  const std::uint8_t nameVk = FPlaceKey->FKeyCode;
  if (FKeyCode == VkSpace) return look;
  if (!IsCharacterVk(nameVk)) {
    look.Glyph = KeyGlyph(nameVk, FContext.PressedCount()).has_value();
    look.Text = FContext.KeyName(nameVk);
    return look;
  }
  look.Text = FContext.Legend(FKeyCode, LegendDrawState(FContext.KeyState()));
  return look;
}

bool TLvBtn::NeedsRepaint() const { return !(CurrentLook() == FShown); }

TRect TLvBtn::PaintBounds() {
  TRect bounds;
  for (const TLvBtn* place : {FShown.Place, static_cast<const TLvBtn*>(FPlaceKey)}) {
    if (!place || place->FPoints.size() < 2) continue;
    TRect outline;
    bool any = false;
    for (const TPoint& p : place->FPoints) {
      if (IsSeparator(p) && place->FPoints.size() > 2) continue;
      if (!any) outline = TRect{p.x, p.y, p.x + 1, p.y + 1};
      outline = Union(outline, TRect{p.x, p.y, p.x + 1, p.y + 1});
      any = true;
    }
    bounds = Union(bounds, outline);
  }
  if (!FPlaceKey || FPlaceKey->FPoints.size() < 2) return bounds;
  // The legend as last drawn and as it would be drawn now.
  for (int part = 0; part < OutlineParts; ++part)
    for (bool hot : {FShown.Hot, FHot})
      for (bool pressed : {FShown.Pressed, FPressed}) {
        TLegendBox box;
        if (ComputeLegendBox(*FCanvas, hot, pressed, box, part))
          bounds = Union(bounds, TRect{box.L + 2, box.T + 1, box.R, box.B});
      }
  return bounds;
}

void TLvBtn::DrawOutline(TCanvas& canvas, const std::vector<TPoint>& points, bool force) {
  if (points.size() < 2) return;
  if (!force && !FFaceStale && FShapePressed == FDrawPressed && FShapeHot == FDrawHot && FShapeScan == FDrawScan)
    return;
  FFaceStale = false;
  FShapePressed = FDrawPressed;
  FShapeHot = FDrawHot;
  FShapeScan = FDrawScan;
  if (points.size() == 2) {
    canvas.Rectangle(TRect{points[0].x, points[0].y, points[1].x + 1, points[1].y + 1});
    return;
  }
  // Each part of a two-part outline is its own polygon; the separator is no vertex.
  std::vector<TPoint> part;
  for (const TPoint& p : points) {
    if (IsSeparator(p)) {
      if (part.size() >= 2) canvas.Polygon(part);
      part.clear();
    } else {
      part.push_back(p);
    }
  }
  if (part.size() >= 2) canvas.Polygon(part);
}

bool TLvBtn::BaseLegendBox(TCanvas& canvas, bool hot, TLegendBox& box, int part) {
  const TLvBtn* place = FPlaceKey;
  if (!place) return false;
  // Only a two-part outline is copied apart; the others are used as they are.
  const std::vector<TPoint>& outline = place->FPoints;
  const bool twoParts = outline.size() > 2 && std::any_of(outline.begin(), outline.end(), IsSeparator);
  if (part > 0 && !twoParts) return false;
  std::vector<TPoint> partPoints;
  if (twoParts) partPoints = OutlinePart(outline, part);
  const std::vector<TPoint>& points = twoParts ? partPoints : outline;
  if (points.size() < 2) return false;
  if (points.size() == 2) {
    box.cx = (points[0].x + points[1].x) / 2;
    box.cy = (points[0].y + points[1].y) / 2;
    box.L = points[0].x;
    box.T = points[0].y;
    box.R = points[1].x - 2;
    box.B = points[1].y - 2;
    return true;
  }
  // Fitting a rectangle into a polygon takes many hit tests, and sometimes the name's size: it is
  // done once per outline, hot state and, where the name was measured, name font and name.
  TLegendCache& cache = FLegendCache[part][hot ? 1 : 0];
  const std::wstring& name = FContext.KeyName(place->FKeyCode);
  const int fontSize = hot ? Theme.NameFontSize + 2 : Theme.NameFontSize;
  const bool fresh = cache.Valid && cache.Place == place && cache.Generation == place->FGeneration &&
                     (!cache.Measured || (cache.FontName == Theme.NameFontName && cache.FontSize == fontSize &&
                                          cache.FontStyle == NameStyle() && cache.Name == name));
  if (!fresh) {
    cache = TLegendCache{};
    cache.Measured = FitTextRect(canvas, points, hot, cache.Box);
    cache.Place = place;
    cache.Generation = place->FGeneration;
    if (cache.Measured) {
      cache.FontName = Theme.NameFontName;
      cache.FontSize = fontSize;
      cache.FontStyle = NameStyle();
      cache.Name = name;
    }
    cache.Valid = true;
  }
  box = cache.Box;
  return true;
}

bool TLvBtn::ComputeLegendBox(TCanvas& canvas, bool hot, bool pressed, TLegendBox& box, int part) {
  if (!BaseLegendBox(canvas, hot, box, part)) return false;
  if (pressed) {
    // The legend of a pressed key moves one pixel right and down; the outline does not.
    ++box.cx;
    ++box.cy;
    ++box.L;
    ++box.T;
    ++box.R;
    ++box.B;
  }
  return true;
}

TRect TLvBtn::LegendRect(int part) {
  TLegendBox box;
  if (!ComputeLegendBox(*FCanvas, FDrawHot, FPressed, box, part)) return TRect{};
  return TRect{box.L + 2, box.T + 1, box.R, box.B};
}

void TLvBtn::DrawFace(TCanvas& canvas, const std::vector<TPoint>& points, const std::vector<TRect>* region) {
  // Each part of a two-part outline shows the legend.
  std::array<TLegendBox, OutlineParts> boxes;
  std::array<bool, OutlineParts> has{};
  for (int part = 0; part < OutlineParts; ++part)
    has[part] = ComputeLegendBox(canvas, FDrawHot, FPressed, boxes[part], part);
  if (!has[0] && !has[1]) return;
  DrawOutline(canvas, points, false);
  for (int part = 0; part < OutlineParts; ++part) {
    if (!has[part]) continue;
    const TLegendBox& box = boxes[part];
    const TRect textRect{box.L + 2, box.T + 1, box.R, box.B};
    if (region && std::none_of(region->begin(), region->end(), [&](const TRect& r) { return Meets(r, textRect); }))
      continue;  // the legend lies outside what is repainted
    if (!DrawName(canvas, textRect)) DrawChars(canvas, textRect);
  }
}

void TLvBtn::ComputeBounds(const std::vector<TPoint>& points, TLegendBox& box) const {
  // The separator of a two-part outline is no corner of it.
  const auto first = std::find_if_not(points.begin(), points.end(), IsSeparator);
  const TPoint start = first == points.end() ? points[0] : *first;
  box.L = box.R = start.x;
  box.T = box.B = start.y;
  for (const TPoint& p : points) {
    if (IsSeparator(p) && first != points.end()) continue;
    box.L = std::min(box.L, p.x);
    box.R = std::max(box.R, p.x);
    box.T = std::min(box.T, p.y);
    box.B = std::max(box.B, p.y);
  }
  box.cx = (box.L + box.R) / 2;
  box.cy = (box.T + box.B) / 2;
}

void TLvBtn::ShrinkCorners(TLegendBox& b) const {
  auto open = [&b] { return b.R > b.L && b.B > b.T; };
  while (open() && !HitTest(b.L, b.T)) ++b.L, ++b.T;
  while (open() && !HitTest(b.R, b.B)) --b.R, --b.B;
  while (open() && !HitTest(b.L, b.B)) ++b.L, --b.B;
  while (open() && !HitTest(b.R, b.T)) --b.R, ++b.T;
}

void TLvBtn::ClipByVertices(const std::vector<TPoint>& points, TLegendBox& b) const {
  for (const TPoint& p : points) {
    if (!PtInRect(b.L + 1, b.T + 1, b.R - 1, b.B - 1, p)) continue;
    if (b.B - p.y < p.y - b.T)
      b.B = p.y;
    else
      b.T = p.y;
  }
}

void TLvBtn::ShiftByVertices(const std::vector<TPoint>& points, TLegendBox& b) const {
  for (const TPoint& p : points) {
    if (!PtInRect(b.L + 1, b.T + 1, b.R - 1, b.B - 1, p)) continue;
    if (p.y - b.T > b.B - p.y) {
      b.T -= b.B - p.y;  // up, so that the bottom is at the vertex
      b.B = p.y;
    } else {
      b.B += p.y - b.T;  // down, so that the top is at the vertex
      b.T = p.y;
    }
  }
}

bool TLvBtn::CentreTextRect(TCanvas& canvas, bool hot, TLegendBox& b) {
  const std::uint8_t ownVk = FKeyCode;
  if (IsCharacterVk(ownVk) || (ownVk >= VkF1 && ownVk <= VkF24)) {
    b.L = b.cx - 16;
    b.T = b.cy - 16;
    b.R = b.cx + 16;
    b.B = b.cy + 16;
    return false;
  }
  canvas.SetFontName(Theme.NameFontName);
  canvas.SetFontSize(hot ? Theme.NameFontSize + 2 : Theme.NameFontSize);
  canvas.SetFontStyle(NameStyle());
  const std::wstring& name = FContext.KeyName(FPlaceKey->FKeyCode);
  const TTextSize size = canvas.TextExtent(name);
  const int w = std::max(size.Width / 2 + 2, 16);
  const int h = std::max(size.Height + 2, 16);
  b.L = b.cx - w;
  b.T = b.cy - h;
  b.R = b.cx + w;
  b.B = b.cy + h;
  return true;
}

bool TLvBtn::AllCornersInside(const TLegendBox& b) const {
  return HitTest(b.L, b.T) && HitTest(b.R, b.B) && HitTest(b.L, b.B) && HitTest(b.R, b.T);
}

bool TLvBtn::FitTextRect(TCanvas& canvas, const std::vector<TPoint>& points, bool hot, TLegendBox& box) {
  ComputeBounds(points, box);
  ShrinkCorners(box);
  ClipByVertices(points, box);
  if (box.B - box.T >= 16 && box.R - box.L >= 16) return false;
  const bool measured = CentreTextRect(canvas, hot, box);
  ShiftByVertices(points, box);
  ClipByVertices(points, box);
  if (AllCornersInside(box)) return measured;
  ComputeBounds(points, box);
  ShrinkCorners(box);
  ClipByVertices(points, box);
  return measured;
}

long double TLvBtn::SizeFactor() const {
  if (FDrawPressed) return 0.9L;
  if (FDrawHot) return 1.1L;
  return 1.0L;
}

TFontStyles TLvBtn::NameStyle() const {
  return Theme.NameFontSize < FContext.BoldNameLimit() ? Theme.NameFontStyle : TFontStyles();
}

bool TLvBtn::DrawName(TCanvas& canvas, const TRect& textRect) {
  const std::uint8_t nameVk = FPlaceKey->FKeyCode;
  const std::uint8_t ownVk = FKeyCode;
  if (IsCharacterVk(nameVk) || ownVk == VkSpace) return false;

  canvas.SetFontColor(FNameColor);
  int base = Theme.NameFontSize;
  switch (ownVk) {
    case VkPause:
    case VkPrior:
    case VkNext:
    case VkEnd:
    case VkHome:
    case VkSnapshot:
    case VkScroll: base = std::max(base - 2, 3); break;
    default: break;
  }
  const int size = RoundHalfEven(base * SizeFactor());
  canvas.SetFontSize(size);
  canvas.SetFontName(Theme.NameFontName);
  canvas.SetFontStyle(NameStyle());
  canvas.SetBrushStyle(TBrushStyle::Clear);

  const std::wstring& name = FContext.KeyName(nameVk);
  bool glyphDrawn = false;
  if (const auto glyph = KeyGlyph(nameVk, FContext.PressedCount())) {
    canvas.SetFontName(glyph->FontName);
    canvas.SetFontStyle(TFontStyles());
    canvas.SetFontSize(size + glyph->SizeIncrement);
    if (canvas.HasGlyph(glyph->Char)) {
      DrawTextFmt(canvas, textRect, std::wstring(1, glyph->Char), tfCentredLegend);
      glyphDrawn = true;
    } else {
      // A symbol font without this glyph would draw an empty box: show the name instead.
      canvas.SetFontSize(size);
      canvas.SetFontName(Theme.NameFontName);
      canvas.SetFontStyle(NameStyle());
    }
  }
  if (!glyphDrawn && !name.empty()) {
    // Measured once per font, name and width.
    const int width = textRect.Right - textRect.Left;
    TFitCache& fit = FFitCache;
    if (!fit.Valid || fit.FontName != Theme.NameFontName || fit.FontSize != size || fit.FontStyle != NameStyle() ||
        fit.Name != name || fit.Width != width) {
      fit.TooWide = canvas.TextWidth(name) > width;
      fit.FontName = Theme.NameFontName;
      fit.FontSize = size;
      fit.FontStyle = NameStyle();
      fit.Name = name;
      fit.Width = width;
      fit.Valid = true;
    }
    const bool tooWide = fit.TooWide;
    DrawTextFmt(canvas, textRect, name, tooWide ? tfLeftLegend : tfCentredLegend);
  }
  canvas.SetBrushStyle(TBrushStyle::Solid);
  return true;
}

void TLvBtn::DrawChars(TCanvas& canvas, const TRect& textRect) {
  const std::uint8_t ownVk = FKeyCode;
  if (ownVk == VkSpace) return;  // the space bar has no legend

  const TKeyboardState state = LegendDrawState(FContext.KeyState());
  canvas.SetFontColor(FCharColor);
  canvas.SetFontSize(RoundHalfEven(Theme.CharFontSize * SizeFactor()));
  canvas.SetFontName(Theme.CharFontName);
  canvas.SetFontStyle(Theme.CharFontSize < FContext.BoldCharLimit() ? Theme.CharFontStyle : TFontStyles());
  canvas.SetBrushStyle(TBrushStyle::Clear);
  const std::wstring text = FContext.Legend(ownVk, state);
  if (!text.empty()) DrawTextFmt(canvas, textRect, text, tfCentredLegend);
  canvas.SetBrushStyle(TBrushStyle::Solid);
}

bool TLvBtn::HitTest(int x, int y) const {
  bool extended = false;
  return HitTest(x, y, extended);
}

bool TLvBtn::HitTest(int x, int y, bool& extended) const {
  extended = FExtended;
  const TLvBtn* place = FPlaceKey;
  if (!place || place->FPoints.empty()) return false;
  const std::vector<TPoint>& pts = place->FPoints;
  if (pts.size() == 2) return PointInOutline(pts, x, y);
  const auto sep = std::find_if(pts.begin(), pts.end(), IsSeparator);
  if (sep == pts.end()) return PointInOutline(pts, x, y);
  extended = false;
  if (PointInOutline(std::vector<TPoint>(pts.begin(), sep), x, y)) return true;
  extended = true;
  return PointInOutline(std::vector<TPoint>(sep + 1, pts.end()), x, y);
}

bool TLvBtn::PointInOutline(const std::vector<TPoint>& points, int x, int y) {
  const std::size_t n = points.size();
  if (n < 2) return false;
  if (n == 2) return points[0].x <= x && x <= points[1].x && points[0].y <= y && y <= points[1].y;
  bool inside = false;
  for (std::size_t i = 0; i < n; ++i) {
    const TPoint& pi = points[i];
    const TPoint& pj = points[(i + 1) % n];
    if ((pi.y < y) == (pj.y < y)) continue;
    // Differences in 64 bits: the point tested may be anywhere in the int range.
    const std::int64_t dy = static_cast<std::int64_t>(y) - pi.y;
    const std::int64_t dx = static_cast<std::int64_t>(pj.x) - pi.x;
    const std::int64_t edgeHeight = static_cast<std::int64_t>(pj.y) - pi.y;
    const double product = static_cast<double>(dy) * static_cast<double>(dx);
    if (static_cast<double>(static_cast<std::int64_t>(x) - pi.x) < product / static_cast<double>(edgeHeight))
      inside = !inside;
  }
  return inside;
}

int TLvBtn::GetLeft() const { return FPoints.empty() ? 0 : FPoints[0].x; }

int TLvBtn::GetTop() const {
  if (FPoints.empty()) return 0;
  if (FPoints.size() > 2) return std::min(FPoints[0].y, FPoints[2].y);
  return FPoints[0].y;
}

int TLvBtn::GetWidth() const {
  if (FPoints.size() == 2) return FPoints[1].x - FPoints[0].x;
  if (FPoints.size() < 3) return 0;
  bool any = false;
  int lo = 0, hi = 0;
  for (const TPoint& p : FPoints) {
    if (IsSeparator(p)) continue;
    lo = any ? std::min(lo, p.x) : p.x;
    hi = any ? std::max(hi, p.x) : p.x;
    any = true;
  }
  return hi - lo;
}

int TLvBtn::GetHeight() const {
  if (FPoints.size() == 2) return FPoints[1].y - FPoints[0].y;
  if (FPoints.size() < 3) return 0;
  bool any = false;
  int lo = 0, hi = 0;
  for (const TPoint& p : FPoints) {
    if (IsSeparator(p)) continue;
    lo = any ? std::min(lo, p.y) : p.y;
    hi = any ? std::max(hi, p.y) : p.y;
    any = true;
  }
  return hi - lo;
}

#include "fakes/fake_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

// FNV-1a over a few values: the stand-in of the glyphs a text leaves.
class THash {
 public:
  void Add(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) {
      FHash ^= (v >> (8 * i)) & 0xFF;
      FHash *= 1099511628211ULL;
    }
  }
  std::uint32_t Value() const { return static_cast<std::uint32_t>(FHash ^ (FHash >> 32)); }

 private:
  std::uint64_t FHash = 1469598103934665603ULL;
};

bool Inside(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

// Even-odd test of the pixel's centre against a polygon.
bool InPolygon(const std::vector<TPoint>& pts, int x, int y) {
  const double px = x + 0.5, py = y + 0.5;
  bool inside = false;
  for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
    const double yi = pts[i].y, yj = pts[j].y, xi = pts[i].x, xj = pts[j].x;
    if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

}  // namespace

FakeCanvas::FakeCanvas() {
  Measure = [](const FakeFont& font, const std::wstring& text) {
    return TTextSize{static_cast<int>(text.size()) * font.Size, 2 * font.Size};
  };
}

FakeCanvasOp FakeCanvas::NewOp(FakeOpKind kind) const {
  FakeCanvasOp op;
  op.Kind = kind;
  op.PenColor = FPen;
  op.BrushColor = FBrush;
  op.BrushStyle = FBrushStyle;
  return op;
}

void FakeCanvas::Rectangle(const TRect& r) {
  FakeCanvasOp op = NewOp(FakeOpKind::Rectangle);
  op.Rect = r;
  FOps.push_back(op);
  if (!FKeepPixels) return;
  if (FBrushStyle == TBrushStyle::Solid) FillPixels(r, FBrush);
  LinePixels({r.Left, r.Top}, {r.Right - 1, r.Top}, FPen);
  LinePixels({r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, FPen);
  LinePixels({r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}, FPen);
  LinePixels({r.Left, r.Bottom - 1}, {r.Left, r.Top}, FPen);
}

void FakeCanvas::Polygon(const std::vector<TPoint>& points) {
  FakeCanvasOp op = NewOp(FakeOpKind::Polygon);
  op.Points = points;
  FOps.push_back(op);
  if (!FKeepPixels || points.empty()) return;
  if (FBrushStyle == TBrushStyle::Solid) {
    int l = points[0].x, t = points[0].y, r = l, b = t;
    for (const TPoint& p : points) {
      l = std::min(l, p.x), r = std::max(r, p.x), t = std::min(t, p.y), b = std::max(b, p.y);
    }
    for (int y = t; y <= b; ++y)
      for (int x = l; x <= r; ++x)
        if (InPolygon(points, x, y)) Plot(x, y, FBrush);
  }
  for (std::size_t i = 0; i < points.size(); ++i) LinePixels(points[i], points[(i + 1) % points.size()], FPen);
}

void FakeCanvas::FillRect(const TRect& r) {
  FakeCanvasOp op = NewOp(FakeOpKind::FillRect);
  op.Rect = r;
  FOps.push_back(op);
  if (FKeepPixels && FBrushStyle == TBrushStyle::Solid) FillPixels(r, FBrush);
}

void FakeCanvas::DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) {
  FakeCanvasOp op = NewOp(FakeOpKind::Text);
  op.Rect = r;
  op.Font = FFont;
  op.Text = text;
  op.Format = format;
  FOps.push_back(op);
  if (!FKeepPixels) return;
  THash glyphs;
  for (wchar_t ch : text) glyphs.Add(static_cast<std::uint64_t>(ch));
  for (wchar_t ch : FFont.Name) glyphs.Add(static_cast<std::uint64_t>(ch));
  glyphs.Add(static_cast<std::uint64_t>(FFont.Size));
  glyphs.Add(FFont.Style.Bits());
  glyphs.Add(FFont.Color);
  glyphs.Add(format);
  glyphs.Add(static_cast<std::uint32_t>(r.Left));
  glyphs.Add(static_cast<std::uint32_t>(r.Top));
  glyphs.Add(static_cast<std::uint32_t>(r.Right));
  glyphs.Add(static_cast<std::uint32_t>(r.Bottom));
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      THash pixel;
      pixel.Add(glyphs.Value());
      pixel.Add(FBrushStyle == TBrushStyle::Solid ? FBrush : PixelAt(x, y));
      Plot(x, y, pixel.Value());
    }
}

void FakeCanvas::Draw(int x, int y, TSurface& source) {
  FakeCanvasOp op = NewOp(FakeOpKind::Draw);
  op.Source = &source;
  op.X = x;
  op.Y = y;
  op.SourceWidth = source.Width();
  op.SourceHeight = source.Height();
  FOps.push_back(op);
  if (FKeepPixels) CopyPixels(TRect{0, 0, source.Width(), source.Height()}, x, y, source);
}

void FakeCanvas::CopyRect(const TRect& r, TSurface& source) {
  FakeCanvasOp op = NewOp(FakeOpKind::CopyRect);
  op.Rect = r;
  op.Source = &source;
  FOps.push_back(op);
  if (FKeepPixels) CopyPixels(r, 0, 0, source);
}

void FakeCanvas::ClipTo(const std::vector<TRect>& rects) {
  FClipped = true;
  FClip = rects;
}

void FakeCanvas::ResetClip() {
  FClipped = false;
  FClip.clear();
}

void FakeCanvas::SetKeepPixels(bool keep) {
  FKeepPixels = keep;
  ResizePixels(FPixelWidth, FPixelHeight);
}

void FakeCanvas::ResizePixels(int width, int height) {
  FPixelWidth = std::max(width, 0);
  FPixelHeight = std::max(height, 0);
  if (FKeepPixels)
    FPixels.assign(static_cast<std::size_t>(FPixelWidth) * FPixelHeight, 0xDEADBEEF);
  else
    FPixels.clear();
}

void FakeCanvas::Plot(int x, int y, std::uint32_t value) {
  if (FPixels.empty() || x < 0 || y < 0 || x >= FPixelWidth || y >= FPixelHeight) return;
  if (FClipped && std::none_of(FClip.begin(), FClip.end(), [&](const TRect& r) { return Inside(r, x, y); })) return;
  FPixels[static_cast<std::size_t>(y) * FPixelWidth + x] = value;
}

std::uint32_t FakeCanvas::PixelAt(int x, int y) const {
  if (FPixels.empty() || x < 0 || y < 0 || x >= FPixelWidth || y >= FPixelHeight) return 0;
  return FPixels[static_cast<std::size_t>(y) * FPixelWidth + x];
}

void FakeCanvas::FillPixels(const TRect& r, std::uint32_t value) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) Plot(x, y, value);
}

void FakeCanvas::LinePixels(TPoint a, TPoint b, std::uint32_t value) {
  // Bresenham, both ends included.
  const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
  const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Plot(a.x, a.y, value);
    if (a.x == b.x && a.y == b.y) return;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, a.x += sx;
    if (e2 <= dx) err += dx, a.y += sy;
  }
}

void FakeCanvas::CopyPixels(const TRect& r, int dx, int dy, TSurface& source) {
  auto* fake = dynamic_cast<FakeSurface*>(&source);
  if (!fake) return;
  const FakeCanvas& from = fake->Fake();
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) Plot(x + dx, y + dy, from.PixelAt(x, y));
}

std::vector<FakeCanvasOp> FakeCanvas::OpsOf(FakeOpKind kind) const {
  std::vector<FakeCanvasOp> result;
  for (const auto& op : FOps)
    if (op.Kind == kind) result.push_back(op);
  return result;
}

void FakeSurface::SetSize(int width, int height) {
  FWidth = width;
  FHeight = height;
  ++FSetSizeCalls;
  FCanvas.ResizePixels(width, height);
}

void FakeSurface::SetKeepPixels(bool keep) { FCanvas.SetKeepPixels(keep); }

std::unique_ptr<TSurface> FakeSurfaceFactory::CreateSurface() {
  auto surface = std::make_unique<FakeSurface>();
  surface->SetKeepPixels(KeepPixels);
  FCreated.push_back(surface.get());
  return surface;
}

#include "fakes/fake_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

// FNV-1a over a few values: the stand-in of the glyphs a text leaves.
class THash {
 public:
  void Add(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) {
      h_ ^= (v >> (8 * i)) & 0xFF;
      h_ *= 1099511628211ULL;
    }
  }
  std::uint32_t Value() const { return static_cast<std::uint32_t>(h_ ^ (h_ >> 32)); }

 private:
  std::uint64_t h_ = 1469598103934665603ULL;
};

bool Inside(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

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
  op.PenColor = pen_;
  op.BrushColor = brush_;
  op.BrushStyle = brushStyle_;
  return op;
}

void FakeCanvas::Rectangle(const TRect& r) {
  FakeCanvasOp op = NewOp(FakeOpKind::Rectangle);
  op.Rect = r;
  ops_.push_back(op);
  if (!keepPixels_) return;
  if (brushStyle_ == TBrushStyle::Solid) FillPixels(r, brush_);
  LinePixels({r.Left, r.Top}, {r.Right - 1, r.Top}, pen_);
  LinePixels({r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, pen_);
  LinePixels({r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}, pen_);
  LinePixels({r.Left, r.Bottom - 1}, {r.Left, r.Top}, pen_);
}

void FakeCanvas::Polygon(const std::vector<TPoint>& points) {
  FakeCanvasOp op = NewOp(FakeOpKind::Polygon);
  op.Points = points;
  ops_.push_back(op);
  if (!keepPixels_ || points.empty()) return;
  if (brushStyle_ == TBrushStyle::Solid) {
    int l = points[0].x, t = points[0].y, r = l, b = t;
    for (const TPoint& p : points) {
      l = std::min(l, p.x), r = std::max(r, p.x), t = std::min(t, p.y), b = std::max(b, p.y);
    }
    for (int y = t; y <= b; ++y)
      for (int x = l; x <= r; ++x)
        if (InPolygon(points, x, y)) Plot(x, y, brush_);
  }
  for (std::size_t i = 0; i < points.size(); ++i)
    LinePixels(points[i], points[(i + 1) % points.size()], pen_);
}

void FakeCanvas::FillRect(const TRect& r) {
  FakeCanvasOp op = NewOp(FakeOpKind::FillRect);
  op.Rect = r;
  ops_.push_back(op);
  if (keepPixels_ && brushStyle_ == TBrushStyle::Solid) FillPixels(r, brush_);
}

void FakeCanvas::DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) {
  FakeCanvasOp op = NewOp(FakeOpKind::Text);
  op.Rect = r;
  op.Font = font_;
  op.Text = text;
  op.Format = format;
  ops_.push_back(op);
  if (!keepPixels_) return;
  THash glyphs;
  for (wchar_t ch : text) glyphs.Add(static_cast<std::uint64_t>(ch));
  for (wchar_t ch : font_.Name) glyphs.Add(static_cast<std::uint64_t>(ch));
  glyphs.Add(static_cast<std::uint64_t>(font_.Size));
  glyphs.Add(font_.Style.Bits());
  glyphs.Add(font_.Color);
  glyphs.Add(format);
  glyphs.Add(static_cast<std::uint32_t>(r.Left));
  glyphs.Add(static_cast<std::uint32_t>(r.Top));
  glyphs.Add(static_cast<std::uint32_t>(r.Right));
  glyphs.Add(static_cast<std::uint32_t>(r.Bottom));
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      THash pixel;
      pixel.Add(glyphs.Value());
      pixel.Add(brushStyle_ == TBrushStyle::Solid ? brush_ : PixelAt(x, y));
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
  ops_.push_back(op);
  if (keepPixels_) CopyPixels(TRect{0, 0, source.Width(), source.Height()}, x, y, source);
}

void FakeCanvas::CopyRect(const TRect& r, TSurface& source) {
  FakeCanvasOp op = NewOp(FakeOpKind::CopyRect);
  op.Rect = r;
  op.Source = &source;
  ops_.push_back(op);
  if (keepPixels_) CopyPixels(r, 0, 0, source);
}

void FakeCanvas::ClipTo(const std::vector<TRect>& rects) {
  clipped_ = true;
  clip_ = rects;
}

void FakeCanvas::ResetClip() {
  clipped_ = false;
  clip_.clear();
}

void FakeCanvas::SetKeepPixels(bool keep) {
  keepPixels_ = keep;
  ResizePixels(pixelWidth_, pixelHeight_);
}

void FakeCanvas::ResizePixels(int width, int height) {
  pixelWidth_ = std::max(width, 0);
  pixelHeight_ = std::max(height, 0);
  if (keepPixels_)
    pixels_.assign(static_cast<std::size_t>(pixelWidth_) * pixelHeight_, 0xDEADBEEF);
  else
    pixels_.clear();
}

void FakeCanvas::Plot(int x, int y, std::uint32_t value) {
  if (pixels_.empty() || x < 0 || y < 0 || x >= pixelWidth_ || y >= pixelHeight_) return;
  if (clipped_ && std::none_of(clip_.begin(), clip_.end(),
                               [&](const TRect& r) { return Inside(r, x, y); }))
    return;
  pixels_[static_cast<std::size_t>(y) * pixelWidth_ + x] = value;
}

std::uint32_t FakeCanvas::PixelAt(int x, int y) const {
  if (pixels_.empty() || x < 0 || y < 0 || x >= pixelWidth_ || y >= pixelHeight_) return 0;
  return pixels_[static_cast<std::size_t>(y) * pixelWidth_ + x];
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
  for (const auto& op : ops_)
    if (op.Kind == kind) result.push_back(op);
  return result;
}

void FakeSurface::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  ++setSizeCalls_;
  canvas_.ResizePixels(width, height);
}

void FakeSurface::SetKeepPixels(bool keep) { canvas_.SetKeepPixels(keep); }

std::unique_ptr<TSurface> FakeSurfaceFactory::CreateSurface() {
  auto surface = std::make_unique<FakeSurface>();
  surface->SetKeepPixels(KeepPixels);
  created_.push_back(surface.get());
  return surface;
}

#include "fakes/fake_canvas.h"

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
}

void FakeCanvas::Polygon(const std::vector<TPoint>& points) {
  FakeCanvasOp op = NewOp(FakeOpKind::Polygon);
  op.Points = points;
  ops_.push_back(op);
}

void FakeCanvas::FillRect(const TRect& r) {
  FakeCanvasOp op = NewOp(FakeOpKind::FillRect);
  op.Rect = r;
  ops_.push_back(op);
}

void FakeCanvas::DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) {
  FakeCanvasOp op = NewOp(FakeOpKind::Text);
  op.Rect = r;
  op.Font = font_;
  op.Text = text;
  op.Format = format;
  ops_.push_back(op);
}

void FakeCanvas::Draw(int x, int y, TSurface& source) {
  FakeCanvasOp op = NewOp(FakeOpKind::Draw);
  op.Source = &source;
  op.X = x;
  op.Y = y;
  op.SourceWidth = source.Width();
  op.SourceHeight = source.Height();
  ops_.push_back(op);
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
}

std::unique_ptr<TSurface> FakeSurfaceFactory::CreateSurface() {
  auto surface = std::make_unique<FakeSurface>();
  created_.push_back(surface.get());
  return surface;
}

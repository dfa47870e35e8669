#include "app/window_rules.h"

#include <cstdlib>

namespace {
constexpr unsigned ExToolWindow = 0x80;
constexpr unsigned ExAppWindow = 0x40000;
constexpr unsigned ExNoActivate = 0x08000000;
}  // namespace

TResizeDecision FormCanResize(bool sizingGuard, bool lockSize, bool fitWidth, int newWidth, int newHeight,
                              int currentWidth, int workAreaWidth) {
  TResizeDecision d{true, newWidth, newHeight};
  if (sizingGuard && lockSize) d.Allow = false;
  if (fitWidth) {
    d.Width = workAreaWidth;
    if (d.Width != currentWidth) d.Allow = true;
  }
  return d;
}

TPoint KeepAgainstWorkAreaEdges(const TRect& window, TPoint newTopLeft, int lastWorkAreaWidth, int lastWorkAreaHeight,
                                bool sameMonitor, int workAreaWidth, int workAreaHeight) {
  if (lastWorkAreaWidth == 0 || lastWorkAreaHeight == 0 || !sameMonitor) return newTopLeft;
  if (workAreaWidth == lastWorkAreaWidth && workAreaHeight == lastWorkAreaHeight) return newTopLeft;
  if (window.Left + window.Width() == lastWorkAreaWidth) newTopLeft.x = workAreaWidth - window.Width();
  if (window.Top + window.Height() == lastWorkAreaHeight) newTopLeft.y = workAreaHeight - window.Height();
  return newTopLeft;
}

TPoint SnapToWorkArea(const TRect& b, const TRect& wa, int distance) {
  TPoint p{b.Left, b.Top};
  if (std::abs(b.Left - wa.Left) < distance)
    p.x = wa.Left;
  else if (std::abs(wa.Right - b.Right) < distance)
    p.x = wa.Right - b.Width();
  if (std::abs(b.Top - wa.Top) < distance)
    p.y = wa.Top;
  else if (std::abs(wa.Bottom - b.Bottom) < distance)
    p.y = wa.Bottom - b.Height();
  return p;
}

bool InsideMonitor(const TRect& w, const TRect& m) {
  return !(w.Right > m.Right || w.Bottom > m.Bottom || w.Left < m.Left || w.Top < m.Top);
}

bool IsRestoreTarget(const TRestoreCandidate& w) {
  if (!w.Visible || w.IsOwnWindow || w.Iconic) return false;
  if (w.ExStyle & (ExToolWindow | ExNoActivate)) return false;
  if (!(w.ExStyle & ExAppWindow) && w.HasVisibleOwner) return false;
  return true;
}

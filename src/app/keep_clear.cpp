#include "app/keep_clear.h"

namespace {

// A caret is often drawn as a rectangle of no width; it still covers one column of pixels.
TRect CaretArea(TRect caret) {
  if (caret.Right <= caret.Left) caret.Right = caret.Left + 1;
  if (caret.Bottom <= caret.Top) caret.Bottom = caret.Top + 1;
  return caret;
}

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The window moved to the other half of the work area: a window whose centre is in the upper half
// goes to the bottom edge, any other to the top edge.
TRect OtherHalf(const TRect& window, const TRect& workArea) {
  const long long centre2 = static_cast<long long>(window.Top) + window.Bottom;
  const long long workCentre2 = static_cast<long long>(workArea.Top) + workArea.Bottom;
  const int top = centre2 < workCentre2 ? workArea.Bottom - window.Height() : workArea.Top;
  return TRect{window.Left, top, window.Right, top + window.Height()};
}

}  // namespace

std::optional<TRect> TKeepClear::Check(const TKeepClearView& view, std::uint64_t now) {
  if (view.Held || !view.Caret) return std::nullopt;
  const TRect caret = CaretArea(*view.Caret);
  if (!Overlap(caret, view.Window)) return std::nullopt;
  if (FLastMove && now - *FLastMove < MinMoveInterval) return std::nullopt;
  const TRect target = OtherHalf(view.Window, view.WorkArea);
  if (target == view.Window || Overlap(caret, target)) return std::nullopt;
  FLastMove = now;
  return target;
}

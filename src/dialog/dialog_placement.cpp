#include "dialog/dialog_placement.h"

#include <algorithm>

#include "dialog/settings_dialog_plan.h"

TDialogPlacement PlaceDialog(int clientWidth, int clientHeight, int dpi, const TRect& workArea, const TRect& frame,
                             std::optional<TPoint> topLeft) {
  const int frameWidth = frame.Width();
  const int frameHeight = frame.Height();
  auto fits = [&](int layoutDpi) {
    return ScaleToDpi(clientWidth, layoutDpi) + frameWidth <= workArea.Width() &&
           ScaleToDpi(clientHeight, layoutDpi) + frameHeight <= workArea.Height();
  };
  TDialogPlacement placement;
  placement.LayoutDpi = dpi;
  const int smallest = std::min(dpi, MinDialogLayoutDpi);
  while (placement.LayoutDpi > smallest && !fits(placement.LayoutDpi)) --placement.LayoutDpi;

  const int width = ScaleToDpi(clientWidth, placement.LayoutDpi) + frameWidth;
  const int height = ScaleToDpi(clientHeight, placement.LayoutDpi) + frameHeight;
  TPoint at = topLeft.value_or(
      TPoint{workArea.Left + (workArea.Width() - width) / 2, workArea.Top + (workArea.Height() - height) / 2});
  // The right and bottom edges first, the left and top last: a window wider or taller than the
  // work area keeps its caption and its system menu on it.
  at.x = std::max(workArea.Left, std::min(at.x, workArea.Right - width));
  at.y = std::max(workArea.Top, std::min(at.y, workArea.Bottom - height));
  placement.Window = {at.x, at.y, at.x + width, at.y + height};
  return placement;
}

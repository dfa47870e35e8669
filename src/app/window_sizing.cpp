#include "app/window_sizing.h"

#include <algorithm>

#include "platform/rounding.h"

TSize InitialClientSize(int kbdWidth, int kbdHeight, const TRect& workArea) {
  double scale = (workArea.Bottom - workArea.Top) / 3.5 / 181;
  if (!(scale >= 1)) scale = 1;
  TSize size;
  size.Width = RoundHalfEven(scale * kbdWidth);
  if (workArea.Right - workArea.Left < size.Width) {
    scale = 1;
    size.Width = kbdWidth;
  }
  size.Height = RoundHalfEven(scale * kbdHeight);
  return size;
}

TPoint DefaultWindowPosition(const TRect& workArea, int width, int height) {
  return {(workArea.Left + workArea.Right - width) / 2, workArea.Bottom - height};
}

TRect WindowWithRow(const TRect& window, int rowHeight, const TRect& workArea) {
  const int top = std::max(window.Top - rowHeight, std::min(window.Top, workArea.Top));
  return {window.Left, top, window.Right, top + window.Height() + rowHeight};
}

TRect WindowWithoutRow(const TRect& window, int rowHeight) {
  return {window.Left, window.Top + rowHeight, window.Right, window.Bottom};
}

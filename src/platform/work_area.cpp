#include "platform/work_area.h"

TRect KeepRectOnWorkArea(const TRect& window, const TRect& workArea) {
  const int width = window.Width();
  const int height = window.Height();
  int left = window.Left;
  int top = window.Top;
  if (left + width > workArea.Right) left = workArea.Right - width;
  if (top + height > workArea.Bottom) top = workArea.Bottom - height;
  if (left < workArea.Left) left = workArea.Left;
  if (top < workArea.Top) top = workArea.Top;
  return {left, top, left + width, top + height};
}

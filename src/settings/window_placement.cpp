#include "settings/window_placement.h"

TPoint CenterOnWorkArea(const TRect& workArea, int width, int height) {
  TPoint p;
  p.y = workArea.Top + (workArea.Height() - height) / 2;
  p.x = workArea.Left + (workArea.Width() - width) / 2;
  return p;
}

#include "settings/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace {

// Whether the box covers at least one pixel of some monitor; 64-bit so that any stored edge
// plus any size stays exact.
bool OnSomeMonitor(std::int64_t left, std::int64_t top, int width, int height, const std::vector<TRect>& monitors) {
  const std::int64_t right = left + width;
  const std::int64_t bottom = top + height;
  return std::any_of(monitors.begin(), monitors.end(), [&](const TRect& m) {
    return std::max<std::int64_t>(left, m.Left) < std::min<std::int64_t>(right, m.Right) &&
           std::max<std::int64_t>(top, m.Top) < std::min<std::int64_t>(bottom, m.Bottom);
  });
}

int UsableSize(int stored, int fallback, int minimum, std::int64_t maximum) {
  return stored < minimum || stored > maximum ? fallback : stored;
}

}  // namespace

TPlacementBox UsablePlacement(const TPlacementBox& stored, const TPlacementBox& defaults,
                              const std::vector<TRect>& monitors) {
  std::int64_t maxWidth = INT32_MAX;
  std::int64_t maxHeight = INT32_MAX;
  if (!monitors.empty()) {
    std::int64_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (const TRect& m : monitors) {
      left = std::min<std::int64_t>(left, m.Left);
      top = std::min<std::int64_t>(top, m.Top);
      right = std::max<std::int64_t>(right, m.Right);
      bottom = std::max<std::int64_t>(bottom, m.Bottom);
    }
    maxWidth = right - left;
    maxHeight = bottom - top;
  }
  TPlacementBox result;
  result.Width = UsableSize(stored.Width, defaults.Width, MinUsableWindowWidth, maxWidth);
  result.Height = UsableSize(stored.Height, defaults.Height, MinUsableWindowHeight, maxHeight);
  result.Left = stored.Left;
  result.Top = stored.Top;
  if (monitors.empty()) return result;
  // Each edge is replaced only when keeping it cannot put the window on a monitor.
  const auto fits = [&](int left, int top) { return OnSomeMonitor(left, top, result.Width, result.Height, monitors); };
  if (fits(stored.Left, stored.Top)) return result;
  if (fits(defaults.Left, stored.Top)) {
    result.Left = defaults.Left;
  } else if (fits(stored.Left, defaults.Top)) {
    result.Top = defaults.Top;
  } else {
    result.Left = defaults.Left;
    result.Top = defaults.Top;
  }
  return result;
}

TPoint CenterOnWorkArea(const TRect& workArea, int width, int height) {
  TPoint p;
  p.y = workArea.Top + (workArea.Height() - height) / 2;
  p.x = workArea.Left + (workArea.Width() - width) / 2;
  return p;
}

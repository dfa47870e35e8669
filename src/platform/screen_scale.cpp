#include "platform/screen_scale.h"

#include <algorithm>

#include "platform/rounding.h"

double ScreenScale(int screenPpi) { return screenPpi / 96.0; }

int DpiUnscale(int size, int screenPpi) {
  if (screenPpi == 96) return size;
  const double scale = ScreenScale(screenPpi);
  if (size >= 12) return RoundHalfEven(size / scale);
  return std::max(2, size + 4 - RoundHalfEven(4 * scale));
}

double PpiScale(int ppi) { return ppi / 96.0; }

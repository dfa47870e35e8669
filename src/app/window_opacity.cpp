#include "app/window_opacity.h"

#include <algorithm>

std::uint8_t AppliedOpacity(int transparency) {
  return static_cast<std::uint8_t>(std::clamp(transparency, MinWindowOpacity, MaxWindowOpacity));
}

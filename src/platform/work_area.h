#pragma once
// Keeping a window on its monitor's work area.
#include "platform/geometry.h"

// The window rectangle moved (never resized) so that it lies inside the work area; a window larger
// than the work area ends aligned to the work area's top-left corner.
TRect KeepRectOnWorkArea(const TRect& window, const TRect& workArea);

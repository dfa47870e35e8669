#pragma once
// Where the settings dialog goes on its monitor's work area, and at what scale its controls are
// laid out. The dialog is kept inside the work area with its caption reachable; where it would not
// fit at its monitor's DPI, its controls are laid out at the largest smaller DPI at which the
// whole dialog fits, so that every control, the buttons at its bottom included, stays visible.
#include <optional>

#include "platform/geometry.h"

// The smallest DPI the controls are laid out at, however small the work area: below it the texts
// would no longer be readable. A work area too small even for that keeps the caption reachable.
constexpr int MinDialogLayoutDpi = 72;

struct TDialogPlacement {
  int LayoutDpi = 96;  // the DPI the controls, their font and pictures are laid out at
  TRect Window;        // the window's rectangle in screen coordinates
};

// clientWidth, clientHeight: the client area at 96 DPI; dpi: the DPI of the dialog's monitor;
// frame: the window rectangle around an empty client area at (0, 0) at that DPI (its left and top
// negative); topLeft: where the window is asked to go, centred on the work area when not given.
TDialogPlacement PlaceDialog(int clientWidth, int clientHeight, int dpi, const TRect& workArea, const TRect& frame,
                             std::optional<TPoint> topLeft = std::nullopt);

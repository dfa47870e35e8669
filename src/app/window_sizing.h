#pragma once
// Sizing and placement arithmetic of the keyboard window.
#include "platform/geometry.h"

struct TSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TSize& a, const TSize& b) { return a.Width == b.Width && a.Height == b.Height; }
};

// The client size a freshly loaded layout gets: a third and a half of the work area's height for
// the "Standard" design height of 181, never below the design size, and the design size in both
// directions when the scaled keyboard would be wider than the work area.
TSize InitialClientSize(int kbdWidth, int kbdHeight, const TRect& workArea);

// Centred horizontally at the bottom of the work area.
TPoint DefaultWindowPosition(const TRect& workArea, int width, int height);

// The window once a row rowHeight pixels high appears at the top of its client area, the keys
// staying where they are on the screen: the top edge moves up by the row, as far as the work
// area's top edge allows (a window already above that edge keeps its top), and what is left of
// the row grows the window downward, moving the keys down by that much.
TRect WindowWithRow(const TRect& window, int rowHeight, const TRect& workArea);
// The window once that row goes: its height taken off the top, the keys where they are.
TRect WindowWithoutRow(const TRect& window, int rowHeight);

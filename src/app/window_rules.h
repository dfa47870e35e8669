#pragma once
// How the keyboard window reacts to being moved and sized: the size lock, "Fit width", keeping
// against the right or bottom edge when the work area changes, and snapping to the work area's
// edges.
#include "platform/geometry.h"

// The size the window may take when something (the user, the system) sizes it.
struct TResizeDecision {
  bool Allow = true;
  int Width = 0;
  int Height = 0;
};

// sizingGuard is false only while the program itself sizes the window; a locked size refuses
// every other sizing. "Fit width" forces the work area's width (and allows that change even
// when locked); the height is never changed here.
TResizeDecision FormCanResize(bool sizingGuard, bool lockSize, bool fitWidth, int newWidth, int newHeight,
                              int currentWidth, int workAreaWidth);

// The new top-left corner of a window that is being moved or sized, after the work area (of the
// primary monitor, as Windows reports it) changed from lastWorkArea to workArea: a window that
// touched the right or bottom edge stays against it. last sizes of 0 mean no work area was seen
// yet; sameMonitor is whether the window is still on the monitor seen last time.
TPoint KeepAgainstWorkAreaEdges(const TRect& window, TPoint newTopLeft, int lastWorkAreaWidth, int lastWorkAreaHeight,
                                bool sameMonitor, int workAreaWidth, int workAreaHeight);

// Screen snapping: a window moved without changing its size whose edge comes within distance
// pixels of the same edge of the work area is placed exactly against that edge.
TPoint SnapToWorkArea(const TRect& newBounds, const TRect& workArea, int distance);

// Whether a window lies entirely inside its monitor's bounds.
bool InsideMonitor(const TRect& window, const TRect& monitorBounds);

// The window a restore from the taskbar hands the foreground back to: the first window from the
// top of the z-order that passes these tests.
struct TRestoreCandidate {
  bool Visible = false;
  bool IsOwnWindow = false;  // the keyboard window or the program's application window
  bool Iconic = false;
  unsigned ExStyle = 0;
  bool HasVisibleOwner = false;
};
bool IsRestoreTarget(const TRestoreCandidate& window);

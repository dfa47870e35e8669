#pragma once
// The view of a window that saving and restoring its placement needs.
#include <string>
#include <vector>

#include "platform/geometry.h"

enum class TWindowState { Normal, Minimized, Maximized };

class TPlacementWindow {
 public:
  virtual ~TPlacementWindow() = default;
  // The window class name.
  virtual std::wstring ClassName() const = 0;
  // Outer position and size in screen pixels.
  virtual int Top() const = 0;
  virtual int Left() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetTop(int value) = 0;
  virtual void SetLeft(int value) = 0;
  virtual void SetWidth(int value) = 0;
  virtual void SetHeight(int value) = 0;
  virtual TWindowState State() const = 0;
  virtual void SetState(TWindowState state) = 0;
  // No maximise button means the size is locked.
  virtual bool HasMaximizeButton() const = 0;
  virtual bool HasSizeableBorder() const = 0;
  // The bounds of every monitor, in screen pixels; empty when they are unknown.
  virtual std::vector<TRect> MonitorBounds() const = 0;
};

// The outer size below which a keyboard window has keys too small to hit.
inline constexpr int MinUsableWindowWidth = 200;
inline constexpr int MinUsableWindowHeight = 80;

// A window's outer position and size.
struct TPlacementBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TPlacementBox& a, const TPlacementBox& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
  }
};

// The placement to apply from stored values, each value that would leave the window unusable
// replaced by its default: a width or height below the smallest usable size or larger than all
// monitors together, then a left or top edge that puts no part of the window (at the size it
// will have) on any monitor. With no monitors known, positions and upper sizes are not checked.
TPlacementBox UsablePlacement(const TPlacementBox& stored, const TPlacementBox& defaults,
                              const std::vector<TRect>& monitors);

// The top-left corner that centres a window of the given size on a work area; both halves
// truncate toward zero, so a window larger than the work area overhangs it evenly.
TPoint CenterOnWorkArea(const TRect& workArea, int width, int height);

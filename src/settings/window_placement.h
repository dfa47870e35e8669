#pragma once
// The view of a window that saving and restoring its placement needs.
#include <string>

#include "platform/geometry.h"

enum class TWindowState { Normal, Minimized, Maximized };

class TPlacementWindow {
 public:
  virtual ~TPlacementWindow() = default;
  // The window class name, which prefixes the window's keys in the store ("TMainForm").
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
};

// The top-left corner that centres a window of the given size on a work area; both halves
// truncate toward zero, so a window larger than the work area overhangs it evenly.
TPoint CenterOnWorkArea(const TRect& workArea, int width, int height);

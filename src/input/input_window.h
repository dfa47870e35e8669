#pragma once
// What the press logic and the pointer handlers need of the keyboard window and the system: two
// of the window's timers, the tick count, the cursor, the window's position for dragging it, and
// whether the system hides the cursor. The main window provides one implementation
// (input/win32/win32_input_window.h); tests use a fake with a settable clock.
//
// The types shared by the handlers live here too.
#include <cstdint>

#include "platform/geometry.h"

// The mouse button of a press or release.
enum class TMouseButton { Left, Right, Middle };

// Who reported a pointer event. Several filters apply only to events that have a sender: those
// of the paint box pbKeyboard and those the window raises itself on WM_POINTERENTER. The touch
// road has none.
enum class TSender { None, PaintBox, Window };

// What the system says about the origin of the window message being handled (IsTouchMessage and
// IsPenMessage of that message). A real mouse has neither.
struct TMessageOrigin {
  bool Touch = false;
  bool Pen = false;
};

// The timers of the keyboard window that the input logic switches on and off.
enum class TInputTimer {
  tmrPress,     // key repeat of the held key
  tmrSettings,  // one-shot: opens the settings dialog
};

class TInputWindow {
 public:
  virtual ~TInputWindow() = default;

  // Switches a timer on (counting interval milliseconds from now) or off. Switching a running
  // timer on again restarts it with the new interval.
  virtual void EnableTimer(TInputTimer timer, bool enabled, unsigned interval) = 0;
  virtual bool TimerEnabled(TInputTimer timer) const = 0;

  // Milliseconds since the system started (wraps after 49.7 days).
  virtual std::uint32_t TickCount() = 0;

  // The cursor position in screen coordinates.
  virtual TPoint CursorPos() = 0;
  // Whether the system hides the cursor because touch or pen input is being used.
  virtual bool IsCursorSuppressed() = 0;

  // The keyboard window: visible or not, its top-left corner in screen coordinates, and moving
  // it there. The window may refuse a coordinate (with "Fit width" it keeps its Left).
  virtual bool WindowVisible() = 0;
  virtual TPoint WindowPos() = 0;
  virtual void MoveWindowTo(int left, int top) = 0;
};

#pragma once
// WM_TOUCH: reading the touch points of a message and turning each into a mouse event for the
// pointer handlers. The touch functions exist from Windows 7 on; the window looks them up at run
// time and hands them over here.
#include <windows.h>

#include "input/input_window.h"
#include "input/pointer_input.h"

struct TTouchFunctions {
  using GetTouchInputInfoFn = BOOL(WINAPI*)(HTOUCHINPUT, UINT, PTOUCHINPUT, int);
  using CloseTouchInputHandleFn = BOOL(WINAPI*)(HTOUCHINPUT);
  using PhysicalToLogicalPointFn = BOOL(WINAPI*)(HWND, LPPOINT);

  GetTouchInputInfoFn GetTouchInputInfo = nullptr;
  CloseTouchInputHandleFn CloseTouchInputHandle = nullptr;
  PhysicalToLogicalPointFn PhysicalToLogicalPoint = nullptr;

  // Looks the three functions up in a loaded user32 module (none when the handle is 32 or less).
  static TTouchFunctions Resolve(HMODULE user32);
  bool Available() const { return GetTouchInputInfo && CloseTouchInputHandle && PhysicalToLogicalPoint; }
};

// A touch point as a mouse event at a point in window's client coordinates.
TTouchEvent TouchToMouseEvent(const TOUCHINPUT& input, HWND window, const TTouchFunctions& touch);

// Handles WM_TOUCH on window: every point of the message goes to pointer.HandleTouchPoint in
// order, in the coordinates of the keys, which begin keysTop pixels below the top of the client
// area; the touch handle is closed in every case. origin: that of the WM_TOUCH message.
void HandleTouchMessage(HWND window, int keysTop, WPARAM wParam, LPARAM lParam, const TTouchFunctions& touch,
                        TPointerInput& pointer, TMessageOrigin origin);

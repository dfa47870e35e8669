#include "app/win32/foreground_caret.h"

#include "words/win32/focused_control.h"

std::optional<TRect> ForegroundCaret(HWND ownWindow) {
  const TFocusedControl control = ReadFocusedControl();
  if (!control.Foreground || !control.Caret) return std::nullopt;
  DWORD foregroundProcess = 0;
  GetWindowThreadProcessId(control.Foreground, &foregroundProcess);
  DWORD ownProcess = 0;
  GetWindowThreadProcessId(ownWindow, &ownProcess);
  if (foregroundProcess == ownProcess) return std::nullopt;
  RECT caret = control.CaretRect;
  // The caret rectangle is in the client coordinates of the window that owns it.
  MapWindowPoints(control.Caret, nullptr, reinterpret_cast<POINT*>(&caret), 2);
  return TRect{caret.left, caret.top, caret.right, caret.bottom};
}

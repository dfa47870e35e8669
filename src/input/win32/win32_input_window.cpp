#include "input/win32/win32_input_window.h"

#include "input/win32/pointer_messages.h"
#include "platform/win32/screen.h"

TPoint TWin32InputWindow::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

bool TWin32InputWindow::IsCursorSuppressed() { return ::IsCursorSuppressed(); }

TPoint TWin32InputWindow::WindowPos() {
  const TRect r = WindowRect(FHandle);
  return {r.Left, r.Top};
}

void TWin32InputWindow::MoveWindowTo(int left, int top) {
  SetWindowPos(FHandle, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

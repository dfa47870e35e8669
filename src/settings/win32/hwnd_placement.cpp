#include "settings/win32/hwnd_placement.h"

#include "platform/win32/screen.h"

namespace {

constexpr UINT KeepOrder = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

BOOL CALLBACK AddMonitorBounds(HMONITOR /*monitor*/, HDC /*dc*/, LPRECT bounds, LPARAM list) {
  reinterpret_cast<std::vector<TRect>*>(list)->push_back({bounds->left, bounds->top, bounds->right, bounds->bottom});
  return TRUE;
}

}  // namespace

std::wstring THwndPlacementWindow::ClassName() const {
  wchar_t name[257] = L"";
  const int n = GetClassNameW(FWindow, name, 257);
  return std::wstring(name, n > 0 ? static_cast<size_t>(n) : 0);
}

RECT THwndPlacementWindow::Rect() const {
  RECT r{};
  GetWindowRect(FWindow, &r);
  return r;
}

// A bound the window has already changes nothing: no move is made (each costs the window's sizing
// rules and, under Wine, a trip to the X server).
void THwndPlacementWindow::Move(int left, int top) {
  const RECT r = Rect();
  if (r.left == left && r.top == top) return;
  SetWindowPos(FWindow, nullptr, left, top, 0, 0, SWP_NOSIZE | KeepOrder);
}

void THwndPlacementWindow::Resize(int width, int height) {
  const RECT r = Rect();
  if (r.right - r.left == width && r.bottom - r.top == height) return;
  SetWindowPos(FWindow, nullptr, 0, 0, width, height, SWP_NOMOVE | KeepOrder);
}

void THwndPlacementWindow::SetTop(int value) { Move(Left(), value); }
void THwndPlacementWindow::SetLeft(int value) { Move(value, Top()); }
void THwndPlacementWindow::SetWidth(int value) { Resize(value, Height()); }
void THwndPlacementWindow::SetHeight(int value) { Resize(Width(), value); }

std::vector<TRect> THwndPlacementWindow::MonitorBounds() const {
  std::vector<TRect> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitorBounds, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

TWindowState THwndPlacementWindow::State() const {
  if (IsIconic(FWindow)) return TWindowState::Minimized;
  if (IsZoomed(FWindow)) return TWindowState::Maximized;
  return TWindowState::Normal;
}

void THwndPlacementWindow::SetState(TWindowState state) {
  if (state == State()) return;
  switch (state) {
    case TWindowState::Normal: ShowWindow(FWindow, SW_RESTORE); break;
    case TWindowState::Minimized: ShowWindow(FWindow, SW_SHOWMINNOACTIVE); break;
    case TWindowState::Maximized:
      if (IsWindowVisible(FWindow)) {
        ShowWindow(FWindow, SW_SHOWMAXIMIZED);
      } else {
        // ShowWindow would show and activate the window, and the keyboard must never take the
        // focus: a hidden window is only marked maximised here, keeping its normal place for a
        // later restore; its first showing gives it the work area (ShowMaximizedWithoutActivation).
        SetWindowLongPtrW(FWindow, GWL_STYLE, GetWindowLongPtrW(FWindow, GWL_STYLE) | WS_MAXIMIZE);
      }
      break;
  }
}

void ShowMaximizedWithoutActivation(HWND window) {
  ShowWindow(window, SW_SHOWNA);
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &mi)) return;
  SetWindowPos(window, nullptr, mi.rcWork.left, mi.rcWork.top, mi.rcWork.right - mi.rcWork.left,
               mi.rcWork.bottom - mi.rcWork.top, KeepOrder | SWP_FRAMECHANGED);
}

void CenterOnWorkArea(HWND window) {
  const TRect workArea = MonitorWorkArea(window, MONITOR_DEFAULTTONEAREST);
  if (workArea == TRect{}) return;
  const TRect r = WindowRect(window);
  const TPoint p = CenterOnWorkArea(workArea, r.Width(), r.Height());
  SetWindowPos(window, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | KeepOrder);
}

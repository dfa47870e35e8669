#include "platform/win32/screen.h"

#include "platform/screen_scale.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_handles.h"
#include "platform/work_area.h"

TRect WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return ToTRect(r);
}

TRect ClientRect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return ToTRect(r);
}

TRect MonitorWorkArea(HWND window, DWORD fallback) {
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetMonitorInfoW(MonitorFromWindow(window, fallback), &mi)) return {};
  return ToTRect(mi.rcWork);
}

TRect PrimaryWorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return ToTRect(r);
}

int ScreenPixelsPerInch() {
  const TWindowDc screen = GetScreenDc();
  const int ppi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
  return ppi > 0 ? ppi : 96;
}

int WindowPixelsPerInch(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  const auto getDpi = ModuleFunction<GetDpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  const UINT dpi = getDpi ? getDpi(window) : 0;
  return dpi ? static_cast<int>(dpi) : ScreenPixelsPerInch();
}

RECT WindowRectForClient(int width, int height, DWORD style, DWORD exStyle, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  const auto adjust = ModuleFunction<AdjustForDpiFn>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
  RECT r{0, 0, width, height};
  if (!adjust || !adjust(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return r;
}

int DpiUnscale(int size) { return DpiUnscale(size, ScreenPixelsPerInch()); }

void KeepOnWorkArea(HWND window) {
  if (IsIconic(window) || IsZoomed(window)) return;
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &mi)) return;
  const TRect r = WindowRect(window);
  const TRect moved = KeepRectOnWorkArea(r, ToTRect(mi.rcWork));
  if (moved.Left != r.Left || moved.Top != r.Top)
    SetWindowPos(window, nullptr, moved.Left, moved.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

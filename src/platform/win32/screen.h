#pragma once
// The screen as windows see it: pixels per inch, window and client rectangles, the work area of
// a window's monitor, and conversions between RECT and the portable TRect.
#include <windows.h>

#include "platform/geometry.h"

inline TRect ToTRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The window's rectangle in screen coordinates, and its client area (left and top 0).
TRect WindowRect(HWND window);
TRect ClientRect(HWND window);

// The work area of the monitor a window is on; fallback says which monitor counts when the
// window is on none (MONITOR_DEFAULTTONEAREST or MONITOR_DEFAULTTOPRIMARY). Empty when the
// system cannot tell.
TRect MonitorWorkArea(HWND window, DWORD fallback);
// The primary monitor's work area.
TRect PrimaryWorkArea();

// The screen's logical pixels per inch (96 when the system cannot tell), and the arithmetic
// helpers applied to it.
int ScreenPixelsPerInch();
int DpiUnscale(int size);

// A window's own pixels per inch: under per-monitor awareness that of its monitor, as the system
// last told it (GetDpiForWindow, Windows 10 1607 or later, looked up at run time); elsewhere the
// screen's.
int WindowPixelsPerInch(HWND window);
// The window rectangle around a client area of width x height at a DPI, for a window of these
// styles without a menu (AdjustWindowRectExForDpi where the system has it).
RECT WindowRectForClient(int width, int height, DWORD style, DWORD exStyle, int dpi);

// Moves a window (not minimised or maximised) into its monitor's work area.
void KeepOnWorkArea(HWND window);

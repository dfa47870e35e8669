#pragma once
// Bringing a window to the foreground against the system's foreground lock.
#include <windows.h>

// Makes window the foreground window (showing it first when showIfHidden and it is hidden). The
// foreground lock time-out is set to 0 for the attempt and restored afterwards. Nothing happens
// for no window, a destroyed window or the window that already is in the foreground. Whether the
// window came to the foreground is not reported.
void ForceForegroundWindow(HWND window, bool showIfHidden);

#include "input/win32/foreground_window.h"

void ForceForegroundWindow(HWND window, bool showIfHidden) {
  if (!window || !IsWindow(window) || window == GetForegroundWindow()) return;
  if (showIfHidden && !IsWindowVisible(window)) ShowWindowAsync(window, SW_SHOW);

  DWORD savedTimeout = 0;
  SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &savedTimeout, 0);
  SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<PVOID>(static_cast<ULONG_PTR>(0)), 0);
  if (window != GetForegroundWindow()) {
    if (!SetForegroundWindow(window)) {
      // Any input event lifts the foreground lock; this one moves nothing and presses nothing.
      INPUT input{};
      input.type = INPUT_MOUSE;
      SendInput(1, &input, sizeof(INPUT));
    }
    SetForegroundWindow(window);
  }
  SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<PVOID>(static_cast<ULONG_PTR>(savedTimeout)),
                        0);

  if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
  if (window != GetForegroundWindow()) ShowWindowAsync(window, SW_SHOW);
}

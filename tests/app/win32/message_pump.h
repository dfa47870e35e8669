#pragma once
// The message loop of the window tests: the thread's messages handled until a condition holds.
#include <windows.h>

// Handles the thread's messages until done() or the time is up; false when the time ran out.
template <typename Done>
bool PumpUntil(Done done, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}

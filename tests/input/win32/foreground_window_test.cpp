// Bringing a window to the foreground, and leaving the system's foreground lock as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include "input/win32/foreground_window.h"

namespace {

DWORD ForegroundLockTimeout() {
  DWORD value = 0;
  SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &value, 0);
  return value;
}

HWND NewWindow() {
  return CreateWindowExW(0, L"STATIC", L"foreground test", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST(ForceForegroundWindow, NoWindowOrADestroyedOneIsLeftAlone) {
  const DWORD timeout = ForegroundLockTimeout();
  const HWND before = GetForegroundWindow();
  ForceForegroundWindow(nullptr, true);
  HWND gone = NewWindow();
  ASSERT_NE(gone, nullptr);
  DestroyWindow(gone);
  ForceForegroundWindow(gone, true);
  EXPECT_EQ(GetForegroundWindow(), before);
  EXPECT_EQ(ForegroundLockTimeout(), timeout);
}

TEST(ForceForegroundWindow, ShowsAHiddenWindowAndRestoresTheLockTimeout) {
  const DWORD timeout = ForegroundLockTimeout();
  HWND window = NewWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_FALSE(IsWindowVisible(window));
  ForceForegroundWindow(window, true);
  // ShowWindowAsync on a window of this thread is carried out by its message queue.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(ForegroundLockTimeout(), timeout);
  DestroyWindow(window);
}

}  // namespace

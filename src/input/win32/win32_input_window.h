#pragma once
// The keyboard window as the input logic sees it. The window keeps its timers itself, so they
// are reached through the two functions it supplies; everything else is asked of the system.
#include <windows.h>

#include <functional>
#include <utility>

#include "input/input_window.h"

class TWin32InputWindow : public TInputWindow {
 public:
  using TEnableTimer = std::function<void(TInputTimer timer, bool enabled, unsigned interval)>;
  using TTimerEnabled = std::function<bool(TInputTimer timer)>;

  TWin32InputWindow(HWND window, TEnableTimer enableTimer, TTimerEnabled timerEnabled)
      : FHandle(window), FEnableTimer(std::move(enableTimer)), FTimerEnabled(std::move(timerEnabled)) {}

  void EnableTimer(TInputTimer timer, bool enabled, unsigned interval) override {
    FEnableTimer(timer, enabled, interval);
  }
  bool TimerEnabled(TInputTimer timer) const override { return FTimerEnabled(timer); }
  std::uint32_t TickCount() override { return GetTickCount(); }
  TPoint CursorPos() override;
  bool IsCursorSuppressed() override;
  bool WindowVisible() override { return IsWindowVisible(FHandle) != FALSE; }
  TPoint WindowPos() override;
  void MoveWindowTo(int left, int top) override;

 private:
  HWND FHandle;
  TEnableTimer FEnableTimer;
  TTimerEnabled FTimerEnabled;
};

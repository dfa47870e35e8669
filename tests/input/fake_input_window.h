#pragma once
// The keyboard window for input tests: a clock that the test moves on, timers that fire as a
// window's timers would when the clock passes their due time, a settable cursor, and a window
// position that can refuse to change its Left (as it does with "Fit width").
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "input/input_window.h"

class TFakeInputWindow : public TInputWindow {
 public:
  struct TTimerState {
    bool Enabled = false;
    unsigned Interval = 0;
    std::uint32_t Due = 0;  // tick at which it fires next
  };

  std::uint32_t Tick = 100000;
  TPoint Cursor{0, 0};
  bool CursorSuppressed = false;
  bool Visible = true;
  TPoint Pos{0, 0};
  bool PinLeft = false;  // the window keeps its Left ("Fit width")
  int Moves = 0;
  // Timer handlers, called when a timer comes due (set by the test rig).
  std::map<TInputTimer, std::function<void()>> Handlers;
  // Every EnableTimer(timer, true, interval), in order.
  std::vector<std::pair<TInputTimer, unsigned>> Started;

  void EnableTimer(TInputTimer timer, bool enabled, unsigned interval) override {
    TTimerState& t = FTimers[timer];
    t.Enabled = enabled;
    t.Interval = interval;
    t.Due = Tick + interval;
    if (enabled) Started.emplace_back(timer, interval);
  }
  bool TimerEnabled(TInputTimer timer) const override {
    const auto it = FTimers.find(timer);
    return it != FTimers.end() && it->second.Enabled;
  }
  const TTimerState& Timer(TInputTimer timer) { return FTimers[timer]; }

  std::uint32_t TickCount() override { return Tick; }
  TPoint CursorPos() override { return Cursor; }
  bool IsCursorSuppressed() override { return CursorSuppressed; }
  bool WindowVisible() override { return Visible; }
  TPoint WindowPos() override { return Pos; }
  void MoveWindowTo(int left, int top) override {
    ++Moves;
    if (!PinLeft) Pos.x = left;
    Pos.y = top;
  }

  // Moves the clock on by ms milliseconds, one at a time, firing every enabled timer that comes
  // due (a timer with a handler that re-arms it fires again after its new interval).
  void Advance(std::uint32_t ms) {
    for (std::uint32_t i = 0; i < ms; ++i) {
      ++Tick;
      for (auto& entry : FTimers) {
        TTimerState& t = entry.second;
        if (!t.Enabled || t.Due != Tick) continue;
        t.Due = Tick + t.Interval;
        const auto handler = Handlers.find(entry.first);
        if (handler != Handlers.end()) handler->second();
      }
    }
  }

 private:
  std::map<TInputTimer, TTimerState> FTimers;
};

// The road of one click on an ordinary key of the "Standard" layout, on fakes: from the pointer
// press being handled (pbKeyboardMouseDown) to the key-down handed to SendKeyEvent, and from
// there to the key shown pressed (redrawn and presented on the paint box's canvas).
#include <benchmark/benchmark.h>

#include <chrono>

#include "fakes/fake_canvas.h"
#include "fakes/fake_keyboard_desktop.h"
#include "fakes/fake_keyboard_services.h"
#include "input/input_window.h"
#include "input/key_press.h"
#include "input/pointer_input.h"
#include "keyboard/lv_keyboard.h"
#include "render/lv_btn.h"

namespace {

using TClock = std::chrono::steady_clock;

// Notes when the key-down of the benchmarked key is handed over.
class TTimedKeyInjector : public TKeyInjector {
 public:
  TClock::time_point SentAt;
  void SendKeyEvent(std::uint16_t /*code*/, bool keyUp, bool /*extended*/) override {
    if (!keyUp) SentAt = TClock::now();
  }
};

class TBenchWindow : public TInputWindow {
 public:
  void EnableTimer(TInputTimer timer, bool enabled, unsigned /*interval*/) override {
    if (timer == TInputTimer::tmrPress) FPressTimer = enabled;
  }
  bool TimerEnabled(TInputTimer timer) const override { return timer == TInputTimer::tmrPress && FPressTimer; }
  std::uint32_t TickCount() override { return FTick += 100; }  // never a duplicate press
  TPoint CursorPos() override { return {0, 0}; }
  bool IsCursorSuppressed() override { return false; }
  bool WindowVisible() override { return true; }
  TPoint WindowPos() override { return {0, 0}; }
  void MoveWindowTo(int, int) override {}

 private:
  bool FPressTimer = false;
  std::uint32_t FTick = 0;
};

struct TPressRig {
  FakeSurface paintBox;
  FakeSurfaceFactory surfaces;
  TFakeKeyboardServices services;
  TTimedKeyInjector injector;
  TFakeKeyboardDesktop desktop;
  TBenchWindow window;
  TLvKeyboard keyboard{paintBox, surfaces, services, injector, desktop};
  TKeyPress press{keyboard, injector, window};
  TPointerInput pointer{keyboard, press, window, 19045};
  TPoint at;

  explicit TPressRig(int code) {
    keyboard.FillKeyNames();
    keyboard.LoadLayout(1);
    keyboard.SetActive(true);
    const TLvBtn* key = keyboard.Key(code);
    at = {key->GetLeft() + key->GetWidth() / 2, key->GetTop() + key->GetHeight() / 2};
    keyboard.TrackHot(at.x, at.y);
  }

  // One press; returns (press handled -> SendKeyEvent, SendKeyEvent -> shown and presented).
  std::pair<double, double> TimedPress() {
    paintBox.Fake().ClearOps();
    const TClock::time_point start = TClock::now();
    pointer.pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Left, at.x, at.y, TMessageOrigin{});
    const TClock::time_point shown = TClock::now();
    benchmark::DoNotOptimize(paintBox.Fake().Ops().size());
    return {std::chrono::duration<double>(injector.SentAt - start).count(),
            std::chrono::duration<double>(shown - injector.SentAt).count()};
  }

  // Releases the key (and a latched modifier) and forgets what was drawn.
  void Release() {
    pointer.pbKeyboardMouseUp(TSender::PaintBox, TMouseButton::Left, at.x, at.y, TMessageOrigin{});
    press.ReleaseKeys();
    static_cast<FakeSurface&>(keyboard.Image()).Fake().ClearOps();
    static_cast<FakeSurface&>(keyboard.BackBuffer()).Fake().ClearOps();
    paintBox.Fake().ClearOps();
  }
};

// Ordinary keys with a low and a high code (the hit test runs through the codes in order), and
// left Shift, whose press recomposes the whole keyboard (every legend may change).
void BM_PressHandledToSendKeyEvent(benchmark::State& state) {
  TPressRig rig(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.SetIterationTime(rig.TimedPress().first);
    rig.Release();
  }
}
BENCHMARK(BM_PressHandledToSendKeyEvent)->Arg(8)->Arg(65)->Arg(191)->Arg(160)->UseManualTime();

void BM_SendKeyEventToKeyShownPressed(benchmark::State& state) {
  TPressRig rig(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.SetIterationTime(rig.TimedPress().second);
    rig.Release();
  }
}
BENCHMARK(BM_SendKeyEventToKeyShownPressed)->Arg(8)->Arg(65)->Arg(191)->Arg(160)->UseManualTime();

}  // namespace

// The road of one click on a key, as the keyboard window's WM_LBUTTONDOWN handler runs it:
// TPointerInput::pbKeyboardMouseDown -> hit test -> press logic -> SendKeyEvent (the real
// SendInput, timed by a wrapper just before it forwards the event) -> key object shown pressed ->
// picture presented on the visible window. The harness window never takes the focus, so the keys
// injected go to whatever has the focus in the Wine session the harness runs in: run it in a Wine
// prefix of its own (scripts/bench.sh does).
#include "bench_sections.h"

namespace {

void TimeRoad(TBenchKeyboard& rig, int code, const char* label, bool modifier) {
  TClockMs clock;
  const TPoint at = rig.KeyCentre(code);
  TSamples toSend, sendCall, toShown, releaseRoad;
  for (int i = 0; i < 503; ++i) {
    rig.Keyboard->TrackHot(at.x, at.y);  // the pointer came to the key before the click
    const long long t0 = clock.Now();
    rig.Pointer->pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Left, at.x, at.y, TMessageOrigin{});
    const long long t1 = clock.Now();
    if (modifier) {
      // A second click unlatches the modifier (its key-up); that is not the road timed here.
      rig.Pointer->pbKeyboardMouseUp(TSender::PaintBox, TMouseButton::Left, at.x, at.y, TMessageOrigin{});
      rig.Pointer->pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Left, at.x, at.y, TMessageOrigin{});
    }
    const long long r0 = clock.Now();
    rig.Pointer->pbKeyboardMouseUp(TSender::PaintBox, TMouseButton::Left, at.x, at.y, TMessageOrigin{});
    const long long r1 = clock.Now();
    if (i >= 3 && rig.Injector.LastDownCode == code) {
      toSend.Add(clock.Between(t0, rig.Injector.LastDownBefore));
      sendCall.Add(clock.Between(rig.Injector.LastDownBefore, rig.Injector.LastDownAfter));
      toShown.Add(clock.Between(rig.Injector.LastDownBefore, t1));
      releaseRoad.Add(clock.Between(r0, r1));
    }
    rig.Injector.LastDownCode = 0;
    if (i % 10 == 0) rig.Window.Pump();
  }
  const std::string name = label;
  PrintRow(name + ": press handled -> SendKeyEvent", toSend, 1.0);
  PrintRow(name + ": SendKeyEvent -> shown pressed, presented", toShown, 1.0);
  PrintRow(name + ":   of which the SendInput call", sendCall);
  if (!modifier) PrintRow(name + ": release handled (key-up, repaint, present)", releaseRoad);
}

}  // namespace

void BenchPressRoad(TBenchKeyboard& rig) {
  PrintHeader("click road with the real SendInput");
  TimeRoad(rig, 'A', "\"A\"", false);
  TimeRoad(rig, 160, "left Shift (latches)", true);
  std::printf("key events handed to SendInput: %lld\n", rig.Injector.Events);
  rig.Keyboard->ClearHot(true);
  rig.Window.Pump();
}

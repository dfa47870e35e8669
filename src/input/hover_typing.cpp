#include "input/hover_typing.h"

#include "input/pointer_input.h"
#include "keyboard/lv_keyboard.h"
#include "render/lv_btn.h"

THoverTyping::THoverTyping(TLvKeyboard& keyboard, TPointerInput& pointer, int time, int tolerance)
    : FHover(time, tolerance), FKeyboard(keyboard), FPointer(pointer) {}

void THoverTyping::ReleaseFired() {
  if (!FReleasePending) return;
  FReleasePending = false;
  FPointer.HoverRelease();
}

void THoverTyping::ShowProgress(std::uint8_t code, int progress) {
  bool changed = false;
  if (FShownKey != code && FShownKey != 0) {
    if (TLvBtn* old = FKeyboard.Key(FShownKey)) changed = old->SetHoverProgress(0) || changed;
  }
  FShownKey = code;
  if (code != 0) {
    if (TLvBtn* key = FKeyboard.Key(code)) changed = key->SetHoverProgress(progress) || changed;
  }
  if (changed) FKeyboard.Present();
}

void THoverTyping::Check(std::uint32_t now, const THoverSample& sample) {
  ReleaseFired();
  // Presses made while the checks were stopped are no business of the visits that follow.
  if (FStopped) FPressesSeen = FPointer.Presses();
  FStopped = false;
  if (FPointer.Presses() != FPressesSeen) {
    FPressesSeen = FPointer.Presses();
    FHover.Press(FKeyboard.KeyAt(FPointer.LastDownX(), FPointer.LastDownY()));
  }
  const std::uint8_t fire = FHover.Check(now, sample);
  ShowProgress(FHover.ProgressKey(), FHover.Progress(now));
  if (fire == 0) return;
  FReleasePending = true;
  FPointer.HoverPress(sample.Point.x, sample.Point.y);
  FPressesSeen = FPointer.Presses();
}

void THoverTyping::Stop() {
  ReleaseFired();
  ShowProgress(0, 0);
  FHover.Reset();
  FStopped = true;
}

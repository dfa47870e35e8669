#include "input/key_press.h"

#include "keyboard/lv_keyboard.h"
#include "keys/vk_classes.h"
#include "keys/vk_codes.h"
#include "render/lv_btn.h"

namespace {

// Keys that repeat even when key repeat is switched off: Backspace, the arrows, Delete.
bool AlwaysRepeats(std::uint8_t code) {
  return code == VkBack || code == VkLeft || code == VkUp || code == VkRight || code == VkDown || code == VkDelete;
}

bool NeverRepeats(std::uint8_t code) { return code == VkCapital || code == VkNumLock || code == VkScroll; }

}  // namespace

TKeyPress::TKeyPress(TLvKeyboard& keyboard, TKeyInjector& injector, TInputWindow& window)
    : FKeyboard(keyboard), FInjector(injector), FWindow(window) {}

void TKeyPress::PressKey(std::uint8_t code, TMouseButton button) {
  if (FPressObserver) FPressObserver();
  if (FKeyboard.IsModifierKey(code)) {
    const bool down = FKeyboard.IsKeyDown(code);
    FLatched[code] = !down;
    SendKey(code, down);
    return;
  }
  TLvBtn* key = FKeyboard.Key(code);
  if (FPressedBtn && FPressedBtn != key) {
    // A second button went down on another key while one is held: let go of the first, so that
    // it does not stay down in the system, and give the new key the full delay before it repeats.
    FWindow.EnableTimer(TInputTimer::tmrPress, false, static_cast<unsigned>(FRepeatDelay));
    SendKey(FPressedBtn->Code(), true);
  }
  FPressedBtn = key;
  if (button == TMouseButton::Middle) {
    SendKey(VkLControl, false);
    FLatched[VkLControl] = true;
  }
  if (button == TMouseButton::Right) {
    SendKey(VkLShift, false);
    FLatched[VkLShift] = true;
  }
  SendPressedKeyDown();
}

void TKeyPress::SendPressedKeyDown() {
  if (!FPressedBtn) return;
  unsigned interval;
  if (FWindow.TimerEnabled(TInputTimer::tmrPress)) {
    interval = static_cast<unsigned>(FRepeatInterval);
    FWindow.EnableTimer(TInputTimer::tmrPress, false, interval);
  } else {
    interval = static_cast<unsigned>(FRepeatDelay);
  }
  SendKey(FPressedBtn->Code(), false);
  FWindow.EnableTimer(TInputTimer::tmrPress, true, interval);
}

void TKeyPress::SendKey(std::uint8_t code, bool up) {
  TLvBtn* key = FKeyboard.Key(code);
  const bool extended = (code == VkReturn && key) ? key->Extended() : IsExtendedVk(code);
  FInjector.SendKeyEvent(code, up, extended);
  FKeyboard.SetKeyPressed(code, !up);
}

void TKeyPress::ReleaseHeldKey() {
  if (!FWindow.TimerEnabled(TInputTimer::tmrPress)) return;
  FWindow.EnableTimer(TInputTimer::tmrPress, false, static_cast<unsigned>(FRepeatInterval));
  FKeyboard.ClearHot(false);
  if (FPressedBtn) SendKey(FPressedBtn->Code(), true);
  for (int code = 1; code <= 255; ++code) {
    const TLvBtn* key = FKeyboard.Key(code);
    if (key && key != FPressedBtn && FLatched[code] && FKeyboard.IsKeyDown(static_cast<std::uint8_t>(code))) {
      SendKey(static_cast<std::uint8_t>(code), true);
      FLatched[code] = false;
    }
  }
  if (FPressedBtn) FKeyboard.SetKeyPressed(FPressedBtn->Code(), false);
  FPressedBtn = nullptr;
}

void TKeyPress::AppsKeyPress() {
  SendKey(VkLControl, true);
  FLatched[VkLControl] = false;
  FWindow.EnableTimer(TInputTimer::tmrSettings, true, SettingsDelay);
}

void TKeyPress::ReleaseKeys() {
  FWindow.EnableTimer(TInputTimer::tmrPress, false, static_cast<unsigned>(FRepeatDelay));
  if (FPressedBtn) {
    SendKey(FPressedBtn->Code(), true);
    FPressedBtn = nullptr;
  }
  for (int code = 1; code <= 255; ++code) {
    if (!FLatched[code]) continue;
    FLatched[code] = false;
    if (FKeyboard.IsKeyDown(static_cast<std::uint8_t>(code))) SendKey(static_cast<std::uint8_t>(code), true);
  }
}

void TKeyPress::tmrPressTimer(bool enableKeyRepeat) {
  if (!FPressedBtn) return;
  const std::uint8_t code = FPressedBtn->Code();
  if (!enableKeyRepeat && !AlwaysRepeats(code)) return;
  if (NeverRepeats(code)) return;
  SendPressedKeyDown();
}

bool TKeyPress::FollowLock(std::uint8_t code) {
  std::uint8_t state = static_cast<std::uint8_t>(FKeyboard.Services().GetKeyState(code) & 0xFF);
  if (state >= 0x80) state = static_cast<std::uint8_t>(state - 0x80);
  if (state == FKeyboard.KeyState()[code]) return false;
  FKeyboard.SetKeyStateByte(code, state);
  return true;
}

void TKeyPress::tmrCapsLockTimer() {
  bool changed = FollowLock(VkCapital);
  // Num Lock is followed where the layout shows it (the keypad layouts).
  const TLvBtn* numLock = FKeyboard.Key(VkNumLock);
  if (numLock && numLock->Drawn()) changed = FollowLock(VkNumLock) || changed;
  if (changed) FKeyboard.Redraw(false);
}

void TKeyPress::tmrHKLTimer() { FKeyboard.SetHkl(FKeyboard.Services().GetForegroundKeyboardLayout()); }

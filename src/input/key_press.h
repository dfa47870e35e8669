#pragma once
// What a press and a release of an on-screen key send to the system.
//
// An ordinary key sends its key-down when pressed, repeats while held (tmrPress: first after
// FRepeatDelay, then every FRepeatInterval) and sends its key-up when released; the keys this
// window latched are released right after it, in ascending code order. A modifier (Windows,
// Shift, Ctrl, Alt on either side) latches instead: its first press sends the key-down and
// leaves it down, pressing it again sends the key-up. The right mouse button adds left Shift and
// the middle button left Ctrl to one ordinary key.
//
// Also here: the timers that follow the system's Caps Lock and, where the layout has the key,
// Num Lock (tmrCapsLock) and the foreground window's input language (tmrHKL). The keyboard
// window owns one TKeyPress and calls the handlers below from its pointer handlers
// (TPointerInput) and its timers.
#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "input/input_window.h"
#include "keys/key_injection.h"

class TLvBtn;
class TLvKeyboard;

class TKeyPress {
 public:
  // Interval of tmrSettings, between a click on the Apps key and the settings dialog.
  static constexpr unsigned SettingsDelay = 100;

  // keyboard sends through injector too; both must be the ones the keyboard control uses.
  TKeyPress(TLvKeyboard& keyboard, TKeyInjector& injector, TInputWindow& window);
  TKeyPress(const TKeyPress&) = delete;
  TKeyPress& operator=(const TKeyPress&) = delete;

  // A press on the key object of code with a mouse button (touch and pen press with Left).
  void PressKey(std::uint8_t code, TMouseButton button);
  // Key-down of FPressedBtn, and tmrPress armed: FRepeatDelay for a new press, FRepeatInterval
  // while it repeats.
  void SendPressedKeyDown();
  // One key event for code, the key object (if the layout has one) shown accordingly. Enter takes
  // its extended flag from the part of its outline under the pointer.
  void SendKey(std::uint8_t code, bool up);
  // The release of a pointer: key-up of FPressedBtn, then of every latched key that is shown
  // pressed. The caller presents the keyboard afterwards.
  void ReleaseHeldKey();
  // A click on the Apps key while no key is shown pressed: releases left Ctrl and starts
  // tmrSettings, whose handler (the window's) shows the settings dialog.
  void AppsKeyPress();

  // Releases the held key and every key this window latched and still shows pressed. For the
  // window to call before the key objects are replaced (a layout load), so that no key it
  // pressed stays down in the system and FPressedBtn never outlives its key object.
  void ReleaseKeys();

  // Called at every press of a key, whatever pressed it (for the click sound); none by default.
  void SetPressObserver(std::function<void()> observer) { FPressObserver = std::move(observer); }

  // Timer events. enableKeyRepeat is the window's "Enable key repeat" setting.
  void tmrPressTimer(bool enableKeyRepeat);
  void tmrCapsLockTimer();
  void tmrHKLTimer();

  // The ordinary key held by the pointer, or none.
  TLvBtn* PressedBtn() const { return FPressedBtn; }
  // Whether this window latched the key of that code and releases it with the next ordinary key.
  bool Latched(std::uint8_t code) const { return FLatched[code]; }

 private:
  // The ordinary key held by the pointer, or none.
  TLvBtn* FPressedBtn = nullptr;
  // Indexed directly by the code (entry 0 unused): keys this window pressed and releases with
  // the next ordinary key.
  std::array<bool, 256> FLatched{};
  int FRepeatDelay = 600;
  int FRepeatInterval = 20;

  // Takes the toggle of a lock key over from the system; whether it changed.
  bool FollowLock(std::uint8_t code);

  TLvKeyboard& FKeyboard;
  TKeyInjector& FInjector;
  std::function<void()> FPressObserver;
  TInputWindow& FWindow;
};

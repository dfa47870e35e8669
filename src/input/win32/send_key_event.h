#pragma once
// Synthetic key events through SendInput: one keyboard INPUT record per event, naming a
// virtual-key code (never a Unicode character or a bare scan code), so that the characters that
// result are those of the focused window's input language.
#include <windows.h>

#include <cstdint>

#include "keys/key_injection.h"

// The record of one key event: wVk the code, wScan its scan code in the calling thread's input
// language, dwFlags KEYEVENTF_KEYUP for a key-up plus KEYEVENTF_EXTENDEDKEY when extended.
INPUT MakeKeyInput(std::uint16_t code, bool keyUp, bool extended);

// Injects one key event; a refusal by the system is not reported.
void SendKeyEvent(std::uint16_t code, bool keyUp, bool extended);

// The program's key injector.
class TSendInputKeyInjector : public TKeyInjector {
 public:
  void SendKeyEvent(std::uint16_t code, bool keyUp, bool extended) override { ::SendKeyEvent(code, keyUp, extended); }
};

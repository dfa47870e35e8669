#pragma once
// What a key-down sent by the on-screen keyboard means to the word being typed: characters (the
// key's legend under the keyboard state as shown), Backspace, or the end of everything known (a
// navigation or command key, a shortcut with Ctrl, Alt or Windows). Modifiers and lock keys mean
// nothing by themselves.
#include <cstdint>
#include <functional>
#include <string>

enum class TKeyMeaning { None, Text, Backspace, Break };

struct TKeyEffect {
  TKeyMeaning Meaning = TKeyMeaning::None;
  std::u16string Text;
};

// legend: what the key shows under the current state (empty when nothing); shortcut: Ctrl, Alt or
// Windows is held (AltGr, Ctrl with right Alt, is none).
TKeyEffect KeyEffect(std::uint8_t code, const std::wstring& legend, bool shortcut);

// Whether the keys held down (as the keyboard shows them) make a shortcut of the next key: Ctrl,
// left Alt or Windows. Ctrl with right Alt is AltGr, which types characters: no shortcut.
bool ShortcutHeld(const std::function<bool(std::uint8_t code)>& isDown);

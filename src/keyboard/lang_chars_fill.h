#pragma once
// Computing the legend table of an input language with the system's character translation.
#include <cstdint>
#include <string>

#include "keyboard/keyboard_services.h"
#include "keyboard/lang_chars.h"

// The text that key code produces in keyState under hkl (one ToUnicodeEx call into a buffer of two
// characters), with blanks and control characters removed from both ends. A dead key, or a key
// that produces nothing, gives an empty text; two equal characters are reduced to one.
std::wstring KeyToText(TKeyboardServices& services, std::uint8_t code,
                       const TKeyboardState& keyState, THkl hkl);

// KeyToText twice, returning the second result. An ordinary key gives the same text both times.
// A dead key is only stored by the first call; the second combines it with itself, which gives
// its accent and leaves no dead-key state behind for the next translation.
std::wstring GetKeyChars(TKeyboardServices& services, std::uint8_t code,
                         const TKeyboardState& keyState, THkl hkl);

// The keyboard state of one modifier combination: Caps Lock, Shift (and left Shift), AltGr (Alt
// and right Alt, which also sets Ctrl) and Ctrl (and left Ctrl) are 0x81 where chosen; every other
// byte is 0.
TKeyboardState ModifierState(bool shift, bool altGr, bool ctrl, bool caps);

// Fills table.Chars of every character key for table.Hkl, under all 16 combinations, and sets
// table.HasAltGr when any AltGr combination yields a character. 32 translations per key.
void FillLangChars(TLangChars& table, TKeyboardServices& services);

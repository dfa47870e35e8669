#pragma once
// Computing the legend table of an input language with the system's character translation.
#include <bitset>
#include <cstdint>
#include <string>

#include "keyboard/lang_chars.h"
#include "keys/keyboard_services.h"

// What one ToUnicodeEx call gave: its count (negative for a dead key) and the text made of it.
struct TKeyTranslation {
  int Count = 0;
  std::wstring Text;
};

// One translation of key code in keyState under hkl (one ToUnicodeEx call into a buffer of two
// characters): the count, and the text with blanks and control characters removed from both
// ends. A dead key, or a key that produces nothing, gives an empty text; two equal characters are
// reduced to one.
TKeyTranslation TranslateKey(TKeyboardServices& services, std::uint8_t code, const TKeyboardState& keyState, THkl hkl);

// The text of TranslateKey.
std::wstring KeyToText(TKeyboardServices& services, std::uint8_t code, const TKeyboardState& keyState, THkl hkl);

// KeyToText twice, returning the second result. An ordinary key gives the same text both times.
// A dead key is only stored by the first call; the second combines it with itself, which gives
// its accent and leaves no dead-key state behind for the next translation.
std::wstring GetKeyChars(TKeyboardServices& services, std::uint8_t code, const TKeyboardState& keyState, THkl hkl);

// The keyboard state of one modifier combination: Caps Lock, Shift (and left Shift), AltGr (Alt
// and right Alt, which also sets Ctrl) and Ctrl (and left Ctrl) are 0x81 where chosen; every other
// byte is 0.
TKeyboardState ModifierState(bool shift, bool altGr, bool ctrl, bool caps);

// A set of key codes, indexed by the code.
using TLegendCodes = std::bitset<256>;

// Every code.
TLegendCodes AllLegendCodes();

// Fills the entries of table.Chars under one combination that are not filled yet, of the
// character keys among codes, for table.Hkl, and marks them filled; sets table.HasAltGr when the
// combination has AltGr and yields a character. Each entry is what GetKeyChars gives, with fewer
// translations (see FillLangChars). AltGr with Ctrl is the keyboard state of AltGr alone: either
// fills both.
void FillLangCharsCombination(TLangChars& table, TKeyboardServices& services, const TLegendCombination& combination,
                              const TLegendCodes& codes = AllLegendCodes());
void FillLangCharsCombination(TLangChars& table, TKeyboardServices& services, bool shift, bool altGr, bool ctrl,
                              bool caps);

// Fills the four AltGr combinations (with Shift and Caps Lock or without) of every character key,
// after which table.HasAltGr is final.
void FillLangCharsAltGr(TLangChars& table, TKeyboardServices& services);

// Whether a character key among codes is not filled yet under combination.
bool LangCharsLack(const TLangChars& table, const TLegendCombination& combination, const TLegendCodes& codes);

// Whether every character key is filled under every combination.
bool LangCharsComplete(const TLangChars& table);

// Fills the first combination, in the order of FillLangChars, that has a character key not
// filled yet. False when the table was complete.
bool FillNextLangCharsCombination(TLangChars& table, TKeyboardServices& services);

// Fills every entry of every character key not filled yet under all 16 combinations, and sets
// table.HasAltGr when any AltGr combination yields a character. Every entry is what GetKeyChars
// gives, but a key is translated a second time only where the system may hold a dead key: after a
// dead key (whose second translation gives its accent and clears the state), and at the start of
// a fill, where the state left by earlier translations is not known. An ordinary key
// from a clear state gives the same text twice and leaves the state clear, so its second
// translation is left out. AltGr with Ctrl is the same keyboard state as AltGr alone, and is
// copied from it: about 12 translations per key instead of 32.
void FillLangChars(TLangChars& table, TKeyboardServices& services);

#pragma once
// The legend tables: for every input language met during the run, the character each character
// key produces under each of the 16 combinations of Shift, AltGr, Ctrl and Caps Lock. A table is
// made the first time its language is shown and kept until the process ends; it is filled piece
// by piece, what is on screen first.
#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "keys/keyboard_services.h"

// Two entries, indexed by a Boolean (false, true).
template <typename T>
using TByBool = std::array<T, 2>;

// The legends of one key: [Shift][AltGr][Ctrl][Caps].
using TKeyLegendCombos = TByBool<TByBool<TByBool<TByBool<std::wstring>>>>;

// One of the 16 combinations of Shift, AltGr, Ctrl and Caps Lock.
struct TLegendCombination {
  bool Shift = false;
  bool AltGr = false;
  bool Ctrl = false;
  bool Caps = false;

  // Its bit in TLangChars::Filled: Shift 1, AltGr 2, Ctrl 4, Caps Lock 8.
  std::uint16_t Bit() const { return static_cast<std::uint16_t>(1u << (Shift | AltGr << 1 | Ctrl << 2 | Caps << 3)); }
};

// The legend table of one input language.
struct TLangChars {
  THkl Hkl = 0;
  // At least one AltGr combination of this language yields a character.
  bool HasAltGr = false;
  // Chars[code][Shift][AltGr][Ctrl][Caps], indexed directly by the code (entry 0 is unused). Only
  // character keys are filled; an empty text means that the combination yields nothing.
  std::array<TKeyLegendCombos, 256> Chars;
  // Which entries of Chars are filled: bit TLegendCombination::Bit() of Filled[code].
  std::array<std::uint16_t, 256> Filled{};

  const std::wstring& At(std::uint8_t code, const TLegendCombination& c) const {
    return Chars[code][c.Shift][c.AltGr][c.Ctrl][c.Caps];
  }
  bool IsFilled(std::uint8_t code, const TLegendCombination& c) const { return (Filled[code] & c.Bit()) != 0; }
};

// The tables in the order their languages were first met. Elements are only ever appended, and a
// deque keeps them in place while it grows.
using TLangCharsList = std::deque<TLangChars>;

// The process-wide legend tables of the program.
extern TLangCharsList LangCharsList;

// Index of the first table of hkl, or -1 when the language has none yet.
int FindLangChars(const TLangCharsList& list, THkl hkl);

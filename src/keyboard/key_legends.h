#pragma once
// The key legends of the keyboard control: the per-language legend tables (computed once per
// input language with the keyboard services, under the fill lock shared with other running
// copies) and the localised key names.
#include <cstdint>
#include <functional>
#include <string>

#include "keyboard/key_legend_source.h"
#include "keyboard/lang_chars.h"
#include "keyboard/lang_chars_fill_lock.h"

class TLangCharsLegends : public TKeyLegends {
 public:
  // list holds the tables (the program passes LangCharsList); namedObjects serves the fill lock;
  // uiLanguage answers the user-interface language, which names the keys while no input
  // language is known (hkl 0).
  TLangCharsLegends(TLangCharsList& list, TNamedObjects& namedObjects,
                    std::function<std::uint16_t()> uiLanguage);

  // Localises the key names for hkl, finds its table or computes a new one and names the right
  // Alt key. A language seen before costs no translation of characters and no lock.
  TPreparedLegends PrepareLegends(THkl hkl, const TKeyNames& keyNames,
                                  TKeyboardServices& services) override;

  // The legend of code under state (Shift: byte 16, AltGr: byte 165, Ctrl: byte 17, Caps Lock:
  // byte 20, each counting when non-zero); where that combination yields nothing, the character
  // without modifiers.
  std::wstring GetLegend(std::int32_t langIndex, const TKeyboardState& state,
                         std::uint8_t code) override;

  // Chars of table langIndex (empty when there is no such table).
  std::wstring GetLegendFor(std::int32_t langIndex, std::uint8_t code, bool shift, bool altGr,
                            bool ctrl, bool caps) const;

 private:
  TLangCharsList& FList;
  TNamedObjects& FNamedObjects;
  std::function<std::uint16_t()> FUiLanguage;
};

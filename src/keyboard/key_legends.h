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
  TLangCharsLegends(TLangCharsList& list, TNamedObjects& namedObjects, std::function<std::uint16_t()> uiLanguage);

  // Localises the key names for hkl, finds its table or begins a new one and names the right
  // Alt key. A new table gets its four AltGr combinations (which decide the name of the right Alt
  // key) and the shown keys without modifiers and under the shown state; the rest is made by
  // GetLegend when asked or by FillPendingLegends. Every fill holds the fill lock; a language
  // whose shown legends are ready costs no translation and no lock.
  TPreparedLegends PrepareLegends(THkl hkl, const TKeyNames& keyNames, const TShownLegends& shown,
                                  TKeyboardServices& services) override;

  // The legend of code under state (Shift: byte 16, AltGr: byte 165, Ctrl: byte 17, Caps Lock:
  // byte 20, each counting when non-zero); where that combination yields nothing, the character
  // without modifiers. A combination not filled yet is filled for every character key first.
  std::wstring GetLegend(std::int32_t langIndex, const TKeyboardState& state, std::uint8_t code,
                         TKeyboardServices& services) override;

  // Fills the next combination of table langIndex that is not complete, under the fill lock.
  bool FillPendingLegends(std::int32_t langIndex, TKeyboardServices& services) override;

  // Chars of table langIndex as filled so far (empty when there is no such table).
  std::wstring GetLegendFor(std::int32_t langIndex, std::uint8_t code, bool shift, bool altGr, bool ctrl,
                            bool caps) const;

 private:
  // The legend of code under combination, filled first if need be.
  const std::wstring& Filled(TLangChars& table, std::uint8_t code, const TLegendCombination& combination,
                             TKeyboardServices& services);

  TLangCharsList& FList;
  TNamedObjects& FNamedObjects;
  std::function<std::uint16_t()> FUiLanguage;
};

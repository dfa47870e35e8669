#include "keyboard/key_legends.h"

#include <utility>

#include "keyboard/key_legend_names.h"
#include "keyboard/lang_chars_fill.h"

TLangCharsLegends::TLangCharsLegends(TLangCharsList& list, TNamedObjects& namedObjects,
                                     std::function<std::uint16_t()> uiLanguage)
    : FList(list), FNamedObjects(namedObjects), FUiLanguage(std::move(uiLanguage)) {}

void TLangCharsLegends::PrepareLegends(TLvKeyboard& keyboard) {
  LocaliseKeyNames(keyboard.FKeyNames, keyboard.FHkl, FUiLanguage ? FUiLanguage() : 0);

  int index = FindLangChars(FList, keyboard.FHkl);
  if (index < 0) {
    TFillLock lock(FNamedObjects);
    TLangChars& table = FList.emplace_back();
    index = static_cast<int>(FList.size()) - 1;
    keyboard.FLangIndex = index;
    table.Hkl = keyboard.FHkl;
    table.HasAltGr = false;
    FillLangChars(table, keyboard.Services());
  }
  keyboard.FLangIndex = index;
  UpdateAltGrName(keyboard.FKeyNames, FList[index].HasAltGr, keyboard.FHkl);
}

std::wstring TLangCharsLegends::GetLegend(const TLvKeyboard& keyboard, std::uint8_t code) {
  const TKeyboardState& s = keyboard.FKeyState;
  std::wstring legend = GetLegendFor(keyboard, code, s[16] != 0, s[165] != 0, s[17] != 0, s[20] != 0);
  if (legend.empty()) legend = GetLegendFor(keyboard, code, false, false, false, false);
  return legend;
}

std::wstring TLangCharsLegends::GetLegendFor(const TLvKeyboard& keyboard, std::uint8_t code,
                                             bool shift, bool altGr, bool ctrl, bool caps) const {
  const std::int32_t index = keyboard.FLangIndex;
  if (index < 0 || static_cast<std::size_t>(index) >= FList.size()) return {};
  return FList[index].Chars[code][shift][altGr][ctrl][caps];
}

#include "keyboard/key_legends.h"

#include <utility>

#include "keyboard/lang_chars_fill.h"
#include "keyboard/vk_codes.h"

TLangCharsLegends::TLangCharsLegends(TLangCharsList& list, TNamedObjects& namedObjects,
                                     std::function<std::uint16_t()> uiLanguage)
    : FList(list), FNamedObjects(namedObjects), FUiLanguage(std::move(uiLanguage)) {}

TPreparedLegends TLangCharsLegends::PrepareLegends(THkl hkl, const TKeyNames& keyNames,
                                                   TKeyboardServices& services) {
  TPreparedLegends prepared;
  prepared.KeyNames = keyNames;
  LocaliseKeyNames(prepared.KeyNames, hkl, FUiLanguage ? FUiLanguage() : 0);

  int index = FindLangChars(FList, hkl);
  if (index < 0) {
    TFillLock lock(FNamedObjects);
    TLangChars& table = FList.emplace_back();
    index = static_cast<int>(FList.size()) - 1;
    table.Hkl = hkl;
    table.HasAltGr = false;
    FillLangChars(table, services);
  }
  prepared.LangIndex = index;
  UpdateAltGrName(prepared.KeyNames, FList[index].HasAltGr, hkl);
  return prepared;
}

std::wstring TLangCharsLegends::GetLegend(std::int32_t langIndex, const TKeyboardState& s,
                                          std::uint8_t code) {
  std::wstring legend = GetLegendFor(langIndex, code, s[VkShift] != 0, s[VkRMenu] != 0,
                                     s[VkControl] != 0, s[VkCapital] != 0);
  if (legend.empty()) legend = GetLegendFor(langIndex, code, false, false, false, false);
  return legend;
}

std::wstring TLangCharsLegends::GetLegendFor(std::int32_t langIndex, std::uint8_t code,
                                             bool shift, bool altGr, bool ctrl,
                                             bool caps) const {
  if (langIndex < 0 || static_cast<std::size_t>(langIndex) >= FList.size()) return {};
  return FList[langIndex].Chars[code][shift][altGr][ctrl][caps];
}

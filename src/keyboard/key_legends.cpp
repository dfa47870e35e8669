#include "keyboard/key_legends.h"

#include <utility>

#include "keyboard/lang_chars_fill.h"
#include "keys/vk_classes.h"
#include "keys/vk_codes.h"

TLangCharsLegends::TLangCharsLegends(TLangCharsList& list, TNamedObjects& namedObjects,
                                     std::function<std::uint16_t()> uiLanguage)
    : FList(list), FNamedObjects(namedObjects), FUiLanguage(std::move(uiLanguage)) {}

namespace {

// The combination a keyboard state selects.
TLegendCombination CombinationOf(const TKeyboardState& s) {
  return {s[VkShift] != 0, s[VkRMenu] != 0, s[VkControl] != 0, s[VkCapital] != 0};
}

}  // namespace

TPreparedLegends TLangCharsLegends::PrepareLegends(THkl hkl, const TKeyNames& keyNames, const TShownLegends& shown,
                                                   TKeyboardServices& services) {
  TPreparedLegends prepared;
  prepared.KeyNames = keyNames;
  LocaliseKeyNames(prepared.KeyNames, hkl, FUiLanguage ? FUiLanguage() : 0);

  int index = FindLangChars(FList, hkl);
  const bool isNew = index < 0;
  if (isNew) {
    TLangChars& table = FList.emplace_back();
    index = static_cast<int>(FList.size()) - 1;
    table.Hkl = hkl;
    table.HasAltGr = false;
  }
  TLangChars& table = FList[index];
  const TLegendCombination plain;
  const TLegendCombination current = CombinationOf(shown.State);
  if (isNew || LangCharsLack(table, plain, shown.Codes) || LangCharsLack(table, current, shown.Codes)) {
    TFillLock lock(FNamedObjects);
    if (isNew) FillLangCharsAltGr(table, services);
    FillLangCharsCombination(table, services, plain, shown.Codes);
    FillLangCharsCombination(table, services, current, shown.Codes);
  }
  prepared.LangIndex = index;
  UpdateAltGrName(prepared.KeyNames, table.HasAltGr, hkl);
  return prepared;
}

const std::wstring& TLangCharsLegends::Filled(TLangChars& table, std::uint8_t code,
                                              const TLegendCombination& combination, TKeyboardServices& services) {
  if (IsCharacterVk(code) && !table.IsFilled(code, combination)) {
    TFillLock lock(FNamedObjects);
    FillLangCharsCombination(table, services, combination);
  }
  return table.At(code, combination);
}

std::wstring TLangCharsLegends::GetLegend(std::int32_t langIndex, const TKeyboardState& s, std::uint8_t code,
                                          TKeyboardServices& services) {
  if (langIndex < 0 || static_cast<std::size_t>(langIndex) >= FList.size()) return {};
  TLangChars& table = FList[langIndex];
  const std::wstring& legend = Filled(table, code, CombinationOf(s), services);
  return legend.empty() ? Filled(table, code, TLegendCombination{}, services) : legend;
}

bool TLangCharsLegends::FillPendingLegends(std::int32_t langIndex, TKeyboardServices& services) {
  if (langIndex < 0 || static_cast<std::size_t>(langIndex) >= FList.size()) return false;
  TLangChars& table = FList[langIndex];
  if (LangCharsComplete(table)) return false;
  TFillLock lock(FNamedObjects);
  FillNextLangCharsCombination(table, services);
  return !LangCharsComplete(table);
}

std::wstring TLangCharsLegends::GetLegendFor(std::int32_t langIndex, std::uint8_t code, bool shift, bool altGr,
                                             bool ctrl, bool caps) const {
  if (langIndex < 0 || static_cast<std::size_t>(langIndex) >= FList.size()) return {};
  return FList[langIndex].Chars[code][shift][altGr][ctrl][caps];
}

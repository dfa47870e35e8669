#include "keyboard/key_legend_names.h"

#include "i18n/orv_languages.h"
#include "keys/vk_codes.h"

namespace {

constexpr std::uint16_t GermanPrimaryLang = 0x07;

struct TLocalisedName {
  std::uint8_t Code;
  const wchar_t* English;
};

// The keys whose names are translated; the English text is the source text of the translation.
const TLocalisedName LocalisedNames[] = {
    {VkEscape, L"Esc"},   {VkPause, L"Pause"},  {VkCapital, L"Caps"},  {VkPrior, L"PgUp"},
    {VkNext, L"PgDn"},    {VkEnd, L"End"},      {VkHome, L"Home"},     {VkSnapshot, L"PrtScr"},
    {VkInsert, L"Ins"},   {VkDelete, L"Del"},   {VkScroll, L"ScrLk"},  {VkLShift, L"Shift"},
    {VkRShift, L"Shift"}, {VkReturn, L"Enter"}, {VkLControl, L"Ctrl"}, {VkRControl, L"Ctrl"},
};

}  // namespace

void LocaliseKeyNames(TKeyNames& names, THkl hkl, std::uint16_t uiLang) {
  const auto lang = static_cast<std::uint16_t>(hkl & 0xFFFF);
  for (const TLocalisedName& n : LocalisedNames) names[n.Code] = Translate(n.English, lang, uiLang);
  names[VkRMenu] = L"Alt";
}

void UpdateAltGrName(TKeyNames& names, bool hasAltGr, THkl hkl) {
  if (!hasAltGr)
    names[VkRMenu] = L"Alt";
  else if ((hkl & 0xFF) == GermanPrimaryLang)
    names[VkRMenu] = L"Alt Gr";
  else
    names[VkRMenu] = L"AltGr";
}

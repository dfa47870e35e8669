#include "keyboard/key_legend_names.h"

#include "i18n/orv_languages.h"

namespace {

constexpr std::uint16_t GermanPrimaryLang = 0x07;

struct TLocalisedName {
  std::uint8_t Code;
  const wchar_t* English;
};

// The keys whose names are translated; the English text is the source text of the translation.
const TLocalisedName LocalisedNames[] = {
    {27, L"Esc"},     {19, L"Pause"}, {20, L"Caps"},     {33, L"PgUp"},  {34, L"PgDn"},
    {35, L"End"},     {36, L"Home"},  {44, L"PrtScr"},   {45, L"Ins"},   {46, L"Del"},
    {145, L"ScrLk"},  {160, L"Shift"}, {161, L"Shift"},  {13, L"Enter"}, {162, L"Ctrl"},
    {163, L"Ctrl"},
};

}  // namespace

void LocaliseKeyNames(TKeyNames& names, THkl hkl, std::uint16_t uiLang) {
  const auto lang = static_cast<std::uint16_t>(hkl & 0xFFFF);
  for (const TLocalisedName& n : LocalisedNames) names[n.Code] = Translate(n.English, lang, uiLang);
  names[165] = L"Alt";
}

void UpdateAltGrName(TKeyNames& names, bool hasAltGr, THkl hkl) {
  if (!hasAltGr)
    names[165] = L"Alt";
  else if ((hkl & 0xFF) == GermanPrimaryLang)
    names[165] = L"Alt Gr";
  else
    names[165] = L"AltGr";
}

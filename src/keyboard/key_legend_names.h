#pragma once
// The names of special keys that follow the input language shown on the keyboard ("Umschalt"
// under German, "Maj" under French), and the name of the right Alt key (165), which depends on
// whether the language has AltGr characters.
#include <array>
#include <cstdint>
#include <string>

#include "keys/keyboard_services.h"

using TKeyNames = std::array<std::wstring, 256>;

// Overwrites the seventeen language-dependent names in names with their translations into the
// language of hkl (its low 16 bits; 0 stands for the user-interface language uiLang). Right Alt
// (165) is reset to "Alt" here; UpdateAltGrName renames it once the language's legends are known.
void LocaliseKeyNames(TKeyNames& names, THkl hkl, std::uint16_t uiLang);

// Names the right Alt key (165): "Alt" without AltGr characters; with them "Alt Gr" under German
// (low 8 bits of hkl 0x07) and "AltGr" otherwise.
void UpdateAltGrName(TKeyNames& names, bool hasAltGr, THkl hkl);

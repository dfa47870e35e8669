#include "keyboard/win32/key_legends_win32.h"

#include <windows.h>

TWin32KeyLegends::TWin32KeyLegends()
    : TLangCharsLegends(LangCharsList, NamedObjects,
                        [] { return static_cast<std::uint16_t>(::GetUserDefaultUILanguage()); }) {}

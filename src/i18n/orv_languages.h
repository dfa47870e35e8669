#pragma once
// Module ORVLanguages: translation of the program's English texts into the user's language.
//
// Language ids are Windows language identifiers (LANGID): primary language in the low 10 bits,
// sub-language above. An id of 0 stands for the user's interface language, which the caller
// supplies as UiLang (on Windows, GetUserDefaultUILanguage()); both functions are otherwise pure.
#include <cstdint>
#include <string>

// The translation of Text in Lang, or Text itself when the table has none.
// All sub-languages of a primary language share its translations, except Chinese (PRC) 0x0804
// and Croatian (Croatia) 0x041A, which have their own. English (primary language 0x09) keeps every
// text. Source texts are compared exactly, letter case and blanks included.
std::wstring Translate(const std::wstring& Text, std::uint16_t Lang, std::uint16_t UiLang);

// The colon that ends a label: " :" for French, ":" for every other language. With Lang 0 the
// primary language of UiLang decides; a non-zero Lang must be exactly 0x0C to get the French colon.
std::wstring LabelColon(std::uint16_t Lang, std::uint16_t UiLang);

#pragma once
// The languages that have a built-in word list: the Windows primary language id (the low ten bits
// of an input language's language id) that selects it, the resource that holds it in the program
// and the file it is made from (resources/words/<Name>.owl).
#include <cstddef>
#include <cstdint>

struct TWordListCatalogEntry {
  std::uint16_t PrimaryLanguage;
  int ResourceId;
  const char* Name;
};

extern const TWordListCatalogEntry WordListCatalog[];
extern const std::size_t WordListCatalogSize;

// The primary language of an input language handle's low word (its language id).
inline std::uint16_t PrimaryLanguageOf(std::uint16_t languageId) { return languageId & 0x3FF; }

// The entry of a primary language; null when the language has no list.
const TWordListCatalogEntry* FindWordList(std::uint16_t primaryLanguage);

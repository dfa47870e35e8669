#include "words/word_list_catalog.h"

const TWordListCatalogEntry* FindWordList(std::uint16_t primaryLanguage) {
  for (std::size_t i = 0; i < WordListCatalogSize; ++i)
    if (WordListCatalog[i].PrimaryLanguage == primaryLanguage) return &WordListCatalog[i];
  return nullptr;
}

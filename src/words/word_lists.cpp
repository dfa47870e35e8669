#include "words/word_lists.h"

const TWordList* TWordLists::Get(std::uint16_t primaryLanguage) {
  const auto found = FLists.find(primaryLanguage);
  if (found != FLists.end()) return found->second.get();
  std::unique_ptr<TWordList> list;
  if (const TWordListCatalogEntry* entry = FindWordList(primaryLanguage)) {
    list = std::make_unique<TWordList>(TWordList::Decode(FSource.Open(*entry)));
    if (list->Size() == 0) list.reset();
  }
  return FLists.emplace(primaryLanguage, std::move(list)).first->second.get();
}

#pragma once
// The built-in word lists, each decoded when its language is first asked for and kept.
#include <cstdint>
#include <map>
#include <memory>

#include "words/word_list.h"
#include "words/word_list_catalog.h"

// Where the packed lists are: the program's resources, or files for the tools and tests.
class TWordListSource {
 public:
  virtual ~TWordListSource() = default;
  // The packed bytes of a catalogued list, valid as long as the source; empty when not found.
  virtual TWordListBytes Open(const TWordListCatalogEntry& entry) = 0;
};

class TWordLists {
 public:
  explicit TWordLists(TWordListSource& source) : FSource(source) {}
  // The list of a primary language; null when the language has none or its data is damaged.
  const TWordList* Get(std::uint16_t primaryLanguage);
  std::size_t LoadedCount() const { return FLists.size(); }

 private:
  TWordListSource& FSource;
  std::map<std::uint16_t, std::unique_ptr<TWordList>> FLists;  // null: looked for, none
};

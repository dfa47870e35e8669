#pragma once
// The word lists kept in the program's resources (RCDATA, see resources/words.rc): mapped with
// the program, touched only when a language is first asked for.
#include <windows.h>

#include "words/word_lists.h"

class TResourceWordLists : public TWordListSource {
 public:
  explicit TResourceWordLists(HMODULE module = nullptr) : FModule(module) {}
  TWordListBytes Open(const TWordListCatalogEntry& entry) override;

 private:
  HMODULE FModule;
};

#include "words/win32/word_list_resources.h"

TWordListBytes TResourceWordLists::Open(const TWordListCatalogEntry& entry) {
  HRSRC found = FindResourceW(FModule, MAKEINTRESOURCEW(entry.ResourceId), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return {};
  HGLOBAL loaded = LoadResource(FModule, found);  // a resource needs no freeing
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(FModule, found)};
}

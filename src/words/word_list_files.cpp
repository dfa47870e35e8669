#include "words/word_list_files.h"

#include <fstream>
#include <iterator>

TWordListBytes TWordListFiles::Open(const TWordListCatalogEntry& entry) {
  auto [it, added] = FData.try_emplace(entry.ResourceId);
  if (added) {
    std::ifstream file(FFolder + "/" + entry.Name + ".owl", std::ios::binary);
    it->second.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  return {it->second.data(), it->second.size()};
}

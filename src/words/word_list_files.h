#pragma once
// Word lists read from the files they are made into (resources/words/<name>.owl), for the replay
// tool, the benchmarks and the tests; the program reads its resources instead.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "words/word_lists.h"

class TWordListFiles : public TWordListSource {
 public:
  explicit TWordListFiles(std::string folder) : FFolder(std::move(folder)) {}
  TWordListBytes Open(const TWordListCatalogEntry& entry) override;

 private:
  std::string FFolder;
  std::map<int, std::vector<std::uint8_t>> FData;  // by resource id
};

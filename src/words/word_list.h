#pragma once
// One language's built-in word list, decoded from its packed form (see scripts/word-lists.py):
// the words in lower case, sorted, each with its frequency class and whether it is shown with a
// capital first letter. Answers the words that begin with a prefix.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The packed bytes of a list.
struct TWordListBytes {
  const std::uint8_t* Data = nullptr;
  std::size_t Size = 0;
};

class TWordList {
 public:
  // The list held by bytes; an empty list when they are not a well-formed list (wrong header,
  // characters outside the alphabet, a word too long, words out of order, cut short).
  static TWordList Decode(TWordListBytes bytes);

  std::size_t Size() const { return FEntries.size(); }
  std::u16string_view Word(std::size_t index) const;
  bool Capitalised(std::size_t index) const { return FEntries[index].Capitalised; }
  // 0 for the most frequent words, up to 255 for the rarest: about 27.7 ln(rank).
  std::uint8_t FrequencyClass(std::size_t index) const { return FEntries[index].Class; }
  // [first, last) of the words that begin with lowerPrefix (lower case).
  std::pair<std::size_t, std::size_t> PrefixRange(std::u16string_view lowerPrefix) const;
  // The index of the word lowerWord; Size() when the list lacks it.
  std::size_t Find(std::u16string_view lowerWord) const;
  // The indices of the MostFrequentKept most frequent words, the most frequent first.
  static constexpr std::size_t MostFrequentKept = 16;
  const std::vector<std::uint16_t>& MostFrequent() const { return FMostFrequent; }
  // The bytes the decoded list occupies.
  std::size_t MemoryBytes() const;

 private:
  struct TEntry {
    std::uint32_t Offset;
    std::uint8_t Length;
    std::uint8_t Class;
    bool Capitalised;
  };
  std::u16string FText;
  std::vector<TEntry> FEntries;
  std::vector<std::uint16_t> FMostFrequent;
};

// The weight of a frequency class in the order of suggestions: about 10^6 / rank.
double ListWordWeight(std::uint8_t frequencyClass);

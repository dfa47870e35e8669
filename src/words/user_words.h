#pragma once
// The words the user typed, counted per input language, and which word followed which (the
// user's own word pairs), kept in the file Orvilla-words.txt. The file is UTF-8 text, one entry a
// line, fields separated by tabs:
//     <primary language, hex> <word> <count>
//     <primary language, hex> <word> <next word> <count>
// Reading never fails: lines that are no entry are skipped, at most MaxFileBytes are read.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TUserWords {
 public:
  static constexpr std::size_t MaxFileBytes = 1 << 20;
  // Beyond these, the entries counted once are let go.
  static constexpr std::size_t MaxWords = 20000;
  static constexpr std::size_t MaxPairs = 20000;
  static constexpr std::uint32_t MaxCount = 1000000;

  struct TWord {
    std::u16string Form;  // as typed: in lower case once it was typed so
    std::uint32_t Count = 0;
  };
  using TWordMap = std::map<std::u16string, TWord>;  // by the word in lower case

  // One more use of word (and of the pair previous, word when previous is not empty). The caller
  // has checked the learning rules.
  void Learn(std::uint16_t language, const std::u16string& word, const std::u16string& previous);
  void Clear();

  // The words of language that begin with lowerPrefix, in lower-case order.
  std::pair<TWordMap::const_iterator, TWordMap::const_iterator> PrefixRange(std::uint16_t language,
                                                                            const std::u16string& lowerPrefix) const;
  std::uint32_t Count(std::uint16_t language, const std::u16string& lowerWord) const;
  // The words typed after lowerPrevious, with their counts.
  std::vector<std::pair<std::u16string, std::uint32_t>> NextWords(std::uint16_t language,
                                                                  const std::u16string& lowerPrevious) const;
  std::size_t WordCount() const;

  // True after a change that was not written yet (MarkSaved).
  bool Changed() const { return FChanged; }
  void MarkSaved() { FChanged = false; }
  std::string Serialize() const;
  // Adds the entries of file text (the first MaxFileBytes of it).
  void Load(std::string_view text);

 private:
  struct TLanguage {
    TWordMap Words;
    std::map<std::pair<std::u16string, std::u16string>, std::uint32_t> Pairs;  // lower case
  };
  void Prune();
  void Add(std::uint16_t language, const std::u16string& word, std::uint32_t count);

  std::map<std::uint16_t, TLanguage> FLanguages;
  std::size_t FWords = 0;
  std::size_t FPairs = 0;
  bool FChanged = false;
};

#pragma once
// The suggestions for the word being typed: completions of its prefix, the most likely first by
// the word's frequency in the language plus the user's own use of it (and of it after the
// previous word); with no prefix, the words the user typed after the previous word, then the
// list's most frequent words (a word saves most of its presses when taken before its first
// letter). A prefix with a capital first letter gets capitalised suggestions, one of two or more
// capitals gets them in capitals.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TUserWords;
class TWordList;

struct TSuggestion {
  std::u16string Word;  // as shown: the prefix as typed, then the rest
  std::u16string Rest;  // what pressing it types
};

// A word the user typed that the list lacks is suggested from this many uses on.
inline constexpr std::uint32_t MinUsesOfNewWord = 2;
inline constexpr std::size_t MaxSuggestions = 5;

struct TSuggestionQuery {
  std::u16string Prefix;    // the current word
  std::u16string Previous;  // the word before it, or empty
  std::uint16_t Language = 0;
  std::size_t Count = MaxSuggestions;
};

// list may be null (a language without a list).
std::vector<TSuggestion> Suggest(const TSuggestionQuery& query, const TWordList* list, const TUserWords& user);

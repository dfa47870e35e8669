#pragma once
// Packs a small word list the way scripts/word-lists.py does, for fixtures of a few words.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct TFixtureWord {
  std::u16string Word;  // lower case
  std::uint8_t FrequencyClass;
  bool Capitalised = false;
};

inline std::vector<std::uint8_t> PackWordList(std::vector<TFixtureWord> words) {
  std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.Word < b.Word; });
  std::u16string alphabet;
  for (const auto& w : words) alphabet += w.Word;
  std::sort(alphabet.begin(), alphabet.end());
  alphabet.erase(std::unique(alphabet.begin(), alphabet.end()), alphabet.end());
  std::vector<std::uint8_t> out = {'O', 'W', 'L', '1', static_cast<std::uint8_t>(alphabet.size())};
  for (char16_t c : alphabet) {
    out.push_back(static_cast<std::uint8_t>(c & 0xFF));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  out.push_back(static_cast<std::uint8_t>(words.size() & 0xFF));
  out.push_back(static_cast<std::uint8_t>(words.size() >> 8));
  std::u16string previous;
  for (const auto& w : words) {
    std::size_t shared = 0;
    while (shared < previous.size() && shared < w.Word.size() && previous[shared] == w.Word[shared]) ++shared;
    out.push_back(static_cast<std::uint8_t>(shared | (w.Capitalised ? 0x80 : 0)));
    out.push_back(w.FrequencyClass);
    for (std::size_t i = shared; i < w.Word.size(); ++i)
      out.push_back(static_cast<std::uint8_t>(alphabet.find(w.Word[i]) + 1));
    out.push_back(0);
    previous = w.Word;
  }
  return out;
}

#include "words/word_tracker.h"

#include "words/word_case.h"

namespace {

bool IsSpace(char16_t c) { return c == u' ' || c == 0x00A0; }

}  // namespace

std::size_t TWordTracker::WordStart(std::size_t end) const {
  std::size_t start = end;
  while (start > 0 && (IsWordChar(FText[start - 1]) || IsWordJoiner(FText[start - 1]))) --start;
  while (start < end && IsWordJoiner(FText[start])) ++start;  // a quote before a word
  return start;
}

std::u16string TWordTracker::WordEndingAt(std::size_t end) const {
  const std::size_t start = WordStart(end);
  while (end > start && IsWordJoiner(FText[end - 1])) --end;
  return FText.substr(start, end - start);
}

std::vector<TCompletedWord> TWordTracker::Type(std::u16string_view text) {
  std::vector<TCompletedWord> completed;
  for (char16_t c : text) {
    const bool separator = !IsWordChar(c) && !IsWordJoiner(c);
    if (separator) {
      std::u16string word = WordEndingAt(FText.size());
      if (!word.empty()) {
        const std::size_t start = WordStart(FText.size());
        FText.push_back(c);  // PreviousWord reads from the end of the text
        std::u16string previous;
        std::size_t p = start;
        while (p > 0 && IsSpace(FText[p - 1])) --p;
        if (p < start && p > 0) previous = WordEndingAt(p);
        completed.push_back({std::move(word), std::move(previous)});
        continue;
      }
    }
    FText.push_back(c);
  }
  if (FText.size() > MaxText) FText.erase(0, FText.size() - MaxText / 2);
  return completed;
}

void TWordTracker::Backspace() {
  if (!FText.empty()) FText.pop_back();
}

void TWordTracker::Break() { FText.clear(); }

std::u16string TWordTracker::CurrentWord() const {
  const std::size_t start = WordStart(FText.size());
  return FText.substr(start);
}

std::u16string TWordTracker::PreviousWord() const {
  const std::size_t start = WordStart(FText.size());
  std::size_t p = start;
  while (p > 0 && IsSpace(FText[p - 1])) --p;
  if (p == start || p == 0) return {};
  return WordEndingAt(p);
}

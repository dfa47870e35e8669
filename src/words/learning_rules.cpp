#include "words/learning_rules.h"

#include "words/word_case.h"

bool IsLearnableWord(const std::u16string& word) {
  if (word.empty() || word.size() > MaxLearnedWord) return false;
  bool letter = false;
  for (char16_t c : word) {
    if (IsWordJoiner(c)) continue;
    if (!IsWordChar(c)) return false;
    if (c < u'0' || c > u'9') letter = true;
  }
  return letter && !IsWordJoiner(word.front()) && !IsWordJoiner(word.back());
}

bool MayLearn(const TLearningState& state, const std::u16string& word) {
  return state.LearnWords && !state.PasswordField && IsLearnableWord(word);
}

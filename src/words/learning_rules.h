#pragma once
// What may be learned: never in a password field, never with learning off, never a "word" longer
// than MaxLearnedWord characters, one without a letter (digits only, a lone apostrophe) or one
// with a character that is no word character.
#include <cstddef>
#include <string>

inline constexpr std::size_t MaxLearnedWord = 40;

bool IsLearnableWord(const std::u16string& word);

struct TLearningState {
  bool LearnWords = true;      // the setting "LearnWords"
  bool PasswordField = false;  // the focused control hides what is typed
};

bool MayLearn(const TLearningState& state, const std::u16string& word);

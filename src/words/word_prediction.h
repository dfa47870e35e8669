#pragma once
// Word prediction as the keyboard window drives it: what its keys typed goes to the word tracker,
// the suggestions come from the input language's list and the user's words, an accepted
// suggestion answers the text to type, and finished words are learned by the rules.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "words/learning_rules.h"
#include "words/suggestion_engine.h"
#include "words/user_words.h"
#include "words/word_lists.h"
#include "words/word_tracker.h"

class TWordPrediction {
 public:
  TWordPrediction(TWordListSource& source, TUserWords& userWords) : FLists(source), FUserWords(userWords) {}

  // The input language (an input language handle's low word). Another language ends the word.
  void SetLanguage(std::uint16_t languageId);
  std::uint16_t PrimaryLanguage() const { return FLanguage; }
  void SetLearnWords(bool learn) { FLearning.LearnWords = learn; }
  // In a password field nothing is tracked, suggested or learned.
  void SetPasswordField(bool password);
  // Asked only when a finished word is about to be learned: true when the focused element hides
  // what is typed although it is no password edit (UI Automation knows such fields). Then
  // nothing is learned and what was typed is forgotten.
  void SetPasswordProbe(std::function<bool()> probe) { FPasswordProbe = std::move(probe); }

  // Characters that a key press typed.
  void Typed(std::u16string_view text);
  void Backspace();
  // A navigation key, a shortcut, another window, control or caret place: the word ends.
  void Break();
  // Before text is typed: when the last thing typed was the space after an accepted suggestion
  // and text is a mark that belongs right after a word (a full stop, a comma, ...; in French
  // only those that take no space before them), that space is taken back (as by Backspace).
  // Answers whether it was, so that the caller erases it too.
  bool TakeBackSpaceBefore(std::u16string_view text);

  // Up to count suggestions for the word being typed.
  std::vector<TSuggestion> Suggestions(std::size_t count = MaxSuggestions);
  // The text that accepting suggestion types (its rest, then a space when addSpace); taken as
  // typed.
  std::u16string Accept(const TSuggestion& suggestion, bool addSpace);

  const TWordTracker& Tracker() const { return FTracker; }
  // The list of the current language, decoded on first use; null when there is none.
  const TWordList* CurrentList() { return FLists.Get(FLanguage); }

 private:
  TWordLists FLists;
  TUserWords& FUserWords;
  TWordTracker FTracker;
  TLearningState FLearning;
  std::uint16_t FLanguage = 0;
  bool FSpaceAfterSuggestion = false;  // the last thing typed
  std::function<bool()> FPasswordProbe;
};

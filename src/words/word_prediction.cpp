#include "words/word_prediction.h"

#include "words/word_list_catalog.h"

void TWordPrediction::SetLanguage(std::uint16_t languageId) {
  const std::uint16_t primary = PrimaryLanguageOf(languageId);
  if (primary == FLanguage) return;
  FLanguage = primary;
  FTracker.Break();
}

void TWordPrediction::SetPasswordField(bool password) {
  if (password == FLearning.PasswordField) return;
  FLearning.PasswordField = password;
  FTracker.Break();
}

void TWordPrediction::Typed(std::u16string_view text) {
  if (FLearning.PasswordField) return;
  for (const TCompletedWord& done : FTracker.Type(text)) {
    if (!MayLearn(FLearning, done.Word)) continue;
    FUserWords.Learn(FLanguage, done.Word, IsLearnableWord(done.Previous) ? done.Previous : u"");
  }
}

std::vector<TSuggestion> TWordPrediction::Suggestions(std::size_t count) {
  if (FLearning.PasswordField || FLanguage == 0) return {};
  TSuggestionQuery query;
  query.Prefix = FTracker.CurrentWord();
  if (query.Prefix.size() > MaxLearnedWord) return {};
  query.Previous = FTracker.PreviousWord();
  query.Language = FLanguage;
  query.Count = count;
  return Suggest(query, FLists.Get(FLanguage), FUserWords);
}

std::u16string TWordPrediction::Accept(const TSuggestion& suggestion, bool addSpace) {
  std::u16string text = suggestion.Rest;
  if (addSpace) text += u' ';
  Typed(text);
  return text;
}

#include "words/word_prediction.h"

#include "words/word_list_catalog.h"

namespace {

constexpr std::uint16_t French = 0x0C;

bool ClosesAWord(std::u16string_view text, std::uint16_t primaryLanguage) {
  if (text.size() != 1) return false;
  const std::u16string_view marks = primaryLanguage == French ? u".,)" : u".,;:!?)";
  return marks.find(text[0]) != std::u16string_view::npos;
}

}  // namespace

void TWordPrediction::SetLanguage(std::uint16_t languageId) {
  const std::uint16_t primary = PrimaryLanguageOf(languageId);
  if (primary == FLanguage) return;
  FLanguage = primary;
  Break();
}

void TWordPrediction::SetPasswordField(bool password) {
  if (password == FLearning.PasswordField) return;
  FLearning.PasswordField = password;
  Break();
}

void TWordPrediction::Typed(std::u16string_view text) {
  if (text.empty()) return;
  FSpaceAfterSuggestion = false;
  if (FLearning.PasswordField) return;
  bool probed = false;
  for (const TCompletedWord& done : FTracker.Type(text)) {
    if (!MayLearn(FLearning, done.Word)) continue;
    if (!probed && FPasswordProbe && FPasswordProbe()) {
      FTracker.Break();
      return;
    }
    probed = true;
    FUserWords.Learn(FLanguage, done.Word, IsLearnableWord(done.Previous) ? done.Previous : u"");
  }
}

void TWordPrediction::Backspace() {
  FSpaceAfterSuggestion = false;
  FTracker.Backspace();
}

void TWordPrediction::Break() {
  FSpaceAfterSuggestion = false;
  FTracker.Break();
}

bool TWordPrediction::TakeBackSpaceBefore(std::u16string_view text) {
  if (!FSpaceAfterSuggestion || !ClosesAWord(text, FLanguage)) return false;
  Backspace();
  return true;
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
  FSpaceAfterSuggestion = addSpace && !FLearning.PasswordField;
  return text;
}

#include "words/win32/word_suggestions.h"

#include <algorithm>
#include <cstdlib>

#include "words/key_effect.h"

namespace {

bool SameControl(const TFocusedControl& a, const TFocusedControl& b) {
  return a.Foreground == b.Foreground && a.Focus == b.Focus;
}

// The caret went to another line or another window: not where typing leaves it.
bool CaretJumped(const TFocusedControl& before, const TFocusedControl& now) {
  if (before.Caret != now.Caret) return true;
  const int height = std::max<int>(1, before.CaretRect.bottom - before.CaretRect.top);
  return std::abs(now.CaretRect.top - before.CaretRect.top) >= height;
}

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

TWordSuggestions::TWordSuggestions(HWND keyboardWindow, std::wstring userWordsFile,
                                   std::function<void()> releaseLatched)
    : FFile(FFiles, std::move(userWordsFile)),
      FPrediction(FLists, FUserWords),
      FReleaseLatched(std::move(releaseLatched)) {
  FFile.Load(FUserWords);
  FPrediction.SetPasswordProbe([this] { return FPasswordProbe.FocusMayBePassword(); });
  FBar = std::make_unique<TSuggestionBar>(
      keyboardWindow, [this](std::size_t index) { Press(index); }, [this] { CheckFocus(); });
  FTarget = ReadFocusedControl();
  FPrediction.SetPasswordField(FTarget.Password);
}

void TWordSuggestions::KeyDown(std::uint8_t code, const std::wstring& legend, bool shortcut) {
  CheckFocus();
  const TKeyEffect effect = KeyEffect(code, legend, shortcut);
  switch (effect.Meaning) {
    case TKeyMeaning::None: return;
    case TKeyMeaning::Text:
      FPasswordProbe.Prepare();
      // The key is sent after this: a full stop or comma goes right after the accepted word.
      if (FPrediction.TakeBackSpaceBefore(effect.Text)) FInjector.EraseCharacter();
      FPrediction.Typed(effect.Text);
      break;
    case TKeyMeaning::Backspace: FPrediction.Backspace(); break;
    case TKeyMeaning::Break: FPrediction.Break(); break;
  }
  Refresh();
}

void TWordSuggestions::SetLanguage(std::uint16_t languageId) {
  if (PrimaryLanguageOf(languageId) == FPrediction.PrimaryLanguage()) return;
  FPrediction.SetLanguage(languageId);
  Refresh();
}

void TWordSuggestions::Place(int width, int height) { FBar->Place(width, height); }

void TWordSuggestions::ForgetLearnedWords() {
  // The row drops the forgotten words even when the file cannot be written.
  try {
    FFile.Forget(FUserWords);
  } catch (...) {
    Refresh();
    throw;
  }
  Refresh();
}

void TWordSuggestions::CheckFocus() {
  const TFocusedControl now = ReadFocusedControl();
  const bool moved = !SameControl(FTarget, now) || CaretJumped(FTarget, now);
  FTarget = now;
  FPrediction.SetPasswordField(now.Password);
  if (moved) {
    FPrediction.Break();
    Refresh();
  }
}

void TWordSuggestions::Press(std::size_t index) {
  if (index >= FSuggestions.size()) return;
  const TSuggestion suggestion = FSuggestions[index];
  // Never into another window than the one the word began in.
  CheckFocus();
  if (FSuggestions.empty() || FSuggestions[index].Word != suggestion.Word) return;
  FReleaseLatched();
  FInjector.TypeText(FPrediction.Accept(suggestion, FAddSpace));
  if (FPressObserver) FPressObserver();
  Refresh();
}

TScanRow TWordSuggestions::Row() const {
  TScanRow row;
  for (std::size_t i = 0; i < FBar->Slots().size(); ++i) {
    TScanItem item;
    item.Kind = TScanItemKind::Suggestion;
    item.Index = static_cast<int>(i);
    item.Bounds = FBar->Slots()[i];
    row.push_back(item);
  }
  return row;
}

void TWordSuggestions::Refresh() {
  FSuggestions = FPrediction.Suggestions(FBar->Slots().empty() ? MaxSuggestions : FBar->Slots().size());
  std::vector<std::wstring> words;
  for (const TSuggestion& s : FSuggestions) words.push_back(Wide(s.Word));
  FBar->SetWords(words);
}

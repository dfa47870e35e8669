#pragma once
// Word suggestions in the keyboard window: made when the setting "WordSuggestions" is on, gone
// when it is off (nothing is loaded and no row exists before). The window reports its key-downs,
// its input language and its size, and keeps its keys below the row; the feature tracks the word, shows the row, types
// an accepted word's rest as Unicode characters and learns through the lazy save.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "scanning/scan_typing.h"
#include "words/user_words.h"
#include "words/user_words_file.h"
#include "words/win32/focused_control.h"
#include "words/win32/suggestion_bar.h"
#include "words/win32/uia_password_probe.h"
#include "words/win32/unicode_typing.h"
#include "words/win32/user_words_files_win32.h"
#include "words/win32/word_list_resources.h"
#include "words/word_prediction.h"

// Also the row that switch scanning steps through before the keys: one item a button, empty or not,
// so that the row keeps its length while words come and go.
class TWordSuggestions : public TScanLeadingRow {
 public:
  // keyboardWindow holds the row at the top of its client area; releaseLatched lets go of latched modifiers before a
  // word is typed; userWordsFile is the dictionary's full name (empty: nothing is kept).
  TWordSuggestions(HWND keyboardWindow, std::wstring userWordsFile, std::function<void()> releaseLatched);

  // A key-down the keyboard sent: its legend under the state as shown, and whether a shortcut
  // modifier is held.
  void KeyDown(std::uint8_t code, const std::wstring& legend, bool shortcut);
  void SetLanguage(std::uint16_t languageId);
  void SetAddSpace(bool addSpace) { FAddSpace = addSpace; }
  void SetLearnWords(bool learn) { FPrediction.SetLearnWords(learn); }
  // The row at the top of the keyboard window's client area, width by height pixels.
  void Place(int width, int height);
  // Hover to type on the row (the keyboard's setting, time and tolerance).
  void SetHover(bool on, int time, int tolerance) { FBar->SetHover(on, time, tolerance); }
  // The lazy save: writes the dictionary when it changed (TSettingsError once when it cannot).
  void Save() { FFile.SaveIfChanged(FUserWords); }
  bool Changed() const { return FUserWords.Changed(); }
  // Empties the user dictionary and writes it empty at once (TSettingsError when it cannot).
  void ForgetLearnedWords();
  // Presses button index, as a click does.
  void Press(std::size_t index);
  // Told of every press that typed a word (the click sound).
  void SetPressObserver(std::function<void()> observer) { FPressObserver = std::move(observer); }

  TScanRow Row() const override;
  void ShowHighlight(bool highlighted, int item) override { FBar->SetHighlight(highlighted, item); }
  void Press(int index) override {
    if (index >= 0) Press(static_cast<std::size_t>(index));
  }
  const TSuggestionBar& Bar() const { return *FBar; }
  const TUiaPasswordProbe& PasswordProbe() const { return FPasswordProbe; }

 private:
  // The foreground window, its focused control or its caret moved away: the word ends.
  void CheckFocus();
  void Refresh();

  TResourceWordLists FLists;
  TUserWords FUserWords;
  TWin32UserWordsFiles FFiles;
  TUserWordsFile FFile;
  TUiaPasswordProbe FPasswordProbe;  // asked before a word is learned
  TWordPrediction FPrediction;
  TUnicodeTextInjector FInjector;
  std::function<void()> FReleaseLatched;
  std::function<void()> FPressObserver;
  std::vector<TSuggestion> FSuggestions;
  TFocusedControl FTarget;  // where the word is typed
  bool FAddSpace = true;
  std::unique_ptr<TSuggestionBar> FBar;
};

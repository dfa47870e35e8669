#pragma once
// Word suggestions in the keyboard window: the suggestion row and everything behind it exist only
// while the setting "WordSuggestions" is on (nothing is loaded before). The feature hears the keys
// the keyboard sends and follows its input language, places the row along the top of the client
// area, says which part of it the keys take, learns through the lazy save, and hands the row to
// switch scanning, which steps through it before the keys.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/win32/keyboard_feature.h"
#include "app/win32/scanning_feature.h"
#include "keyboard/lv_keyboard.h"
#include "platform/geometry.h"
#include "settings/app_ini.h"
#include "settings/settings_controller.h"
#include "words/win32/word_suggestions.h"

class TWordSuggestionsFeature : public TKeyboardFeature {
 public:
  // What the feature needs of the keyboard window beyond its handle.
  struct TWindowLinks {
    // Lets go of latched modifiers before a word is typed.
    std::function<void()> ReleaseLatched;
    // The hover tolerance at the window's DPI now.
    std::function<int()> HoverTolerance;
    // Learned words wait for the lazy save: it is to start unless it is on its way.
    std::function<void()> WordsLearned;
    // The row came (true) or went: the window grows by it or loses it, the keys keeping their
    // size and place.
    std::function<void(bool shown)> RowChanged;
  };

  // The row is a child of window; the user dictionary lives beside appIni's file (or in the
  // user's folder); settings are read for the suggestion and hover settings.
  TWordSuggestionsFeature(HWND window, TLvKeyboard& keyboard, const TAppIni& appIni,
                          const TSettingsController& settings, TLeadingRowScan& scan, TWindowLinks links);
  ~TWordSuggestionsFeature() override;

  void OnResize() override { PlaceRow(); }
  void OnLanguageChecked(bool changed) override;
  void OnSettingApplied(TSettingId id, int value) override;
  void OnSave() override;

  // A key-down the keyboard sends (before it is sent, with the keyboard's state as shown).
  void KeyDown(std::uint16_t code);
  // The keys' part of the client area: below the row while suggestions are on.
  TRect KeyArea(const TRect& client) const;
  // The client height that leaves the keys keysHeight pixels.
  int ClientHeight(int keysHeight) const;
  // Empties the user dictionary and writes it empty at once, whether suggestions are on or off.
  void ForgetLearnedWords();
  // The row and what is behind it while suggestions are on; null otherwise.
  TWordSuggestions* Suggestions() { return FWords.get(); }

 private:
  // Makes the row and what is behind it, or lets them go (the learned words saved first).
  void Switch(bool on);
  // The row at the top of the client area, with hover typing as the keyboard has it.
  void PlaceRow();
  std::wstring UserWordsFile() const;

  HWND FWindow;
  TLvKeyboard& FKeyboard;
  const TAppIni& FAppIni;
  const TSettingsController& FSettings;
  TLeadingRowScan& FScan;
  TWindowLinks FLinks;
  std::unique_ptr<TWordSuggestions> FWords;
};

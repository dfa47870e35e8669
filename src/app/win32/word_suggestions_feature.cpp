#include "app/win32/word_suggestions_feature.h"

#include "platform/win32/screen.h"
#include "words/key_effect.h"
#include "words/suggestion_row.h"
#include "words/user_words.h"
#include "words/user_words_file.h"
#include "words/win32/user_words_files_win32.h"

namespace {

std::uint16_t LanguageOf(THkl hkl) { return static_cast<std::uint16_t>(hkl & 0xFFFF); }

}  // namespace

TWordSuggestionsFeature::TWordSuggestionsFeature(HWND window, TLvKeyboard& keyboard, const TAppIni& appIni,
                                                 const TSettingsController& settings, TLeadingRowScan& scan,
                                                 TWindowLinks links)
    : FWindow(window),
      FKeyboard(keyboard),
      FAppIni(appIni),
      FSettings(settings),
      FScan(scan),
      FLinks(std::move(links)) {}

TWordSuggestionsFeature::~TWordSuggestionsFeature() = default;

void TWordSuggestionsFeature::OnLanguageChecked(bool) {
  if (!FWords) return;
  FWords->SetLanguage(LanguageOf(FKeyboard.Hkl()));
  // Learned words go out through the lazy save.
  if (FWords->Changed()) FLinks.WordsLearned();
}

void TWordSuggestionsFeature::OnSettingApplied(TSettingId id, int value) {
  switch (id) {
    case TSettingId::WordSuggestions: return Switch(value != 0);
    case TSettingId::SuggestionSpace:
      if (FWords) FWords->SetAddSpace(value != 0);
      return;
    case TSettingId::LearnWords:
      if (FWords) FWords->SetLearnWords(value != 0);
      return;
    // Hover typing on the row follows the keyboard's; the row takes the new colours.
    case TSettingId::HoverPress:
    case TSettingId::HoverTime:
    case TSettingId::ColorScheme: return PlaceRow();
    default: return;
  }
}

void TWordSuggestionsFeature::OnSave() {
  if (FWords) FWords->Save();
}

void TWordSuggestionsFeature::KeyDown(std::uint16_t code) {
  if (!FWords || code > 255) return;
  const auto vk = static_cast<std::uint8_t>(code);
  const bool shortcut = ShortcutHeld([this](std::uint8_t key) { return FKeyboard.IsKeyDown(key); });
  FWords->KeyDown(vk, FKeyboard.GetLegend(vk), shortcut);
}

TRect TWordSuggestionsFeature::KeyArea(const TRect& client) const { return KeyAreaBelowRow(client, FWords != nullptr); }

int TWordSuggestionsFeature::ClientHeight(int keysHeight) const {
  return FWords ? ClientHeightWithRow(keysHeight) : keysHeight;
}

void TWordSuggestionsFeature::ForgetLearnedWords() {
  if (FWords) {
    FWords->ForgetLearnedWords();
    return;
  }
  // Suggestions off: no word is loaded, the file alone is emptied.
  TWin32UserWordsFiles files;
  TUserWordsFile file(files, UserWordsFile());
  TUserWords none;
  file.Forget(none);
}

void TWordSuggestionsFeature::Switch(bool on) {
  if (on == (FWords != nullptr)) return;
  if (on) {
    FWords = std::make_unique<TWordSuggestions>(FWindow, UserWordsFile(), FLinks.ReleaseLatched);
    FWords->SetAddSpace(FSettings.Switch(TSettingId::SuggestionSpace));
    FWords->SetLearnWords(FSettings.Switch(TSettingId::LearnWords));
    FWords->SetLanguage(LanguageOf(FKeyboard.Hkl()));
    FWords->SetPressObserver([this] { FScan.KeyPressed(); });  // the click sound
    FScan.SetLeadingRow(FWords.get());                         // scanned first
  } else {
    FScan.SetLeadingRow(nullptr);
    FWords->Save();
    FWords.reset();
  }
  FLinks.RowChanged(on);
}

void TWordSuggestionsFeature::PlaceRow() {
  if (!FWords) return;
  const std::size_t buttons = FWords->Bar().Slots().size();
  const TRect keys = KeyArea(ClientRect(FWindow));
  FWords->Place(keys.Width(), keys.Top);
  FWords->SetHover(FSettings.Switch(TSettingId::HoverPress), FSettings.Value(TSettingId::HoverTime),
                   FLinks.HoverTolerance());
  if (FWords->Bar().Slots().size() != buttons) FScan.LeadingRowChanged();  // the scanned row's length
}

std::wstring TWordSuggestionsFeature::UserWordsFile() const { return UserWordsFileNameHere(FAppIni.IniFileName()); }

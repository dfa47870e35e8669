#include "dialog/settings_dialog_bands.h"

#include <algorithm>

#include "i18n/orv_languages.h"
#include "scanning/switch_key.h"
#include "settings/settings_table.h"

namespace {

using C = TSettingsControl;
using Kind = TSettingsControlKind;

// Two columns, as the lists under the bands have them: the left one ends where the right one
// begins, the right one ends at the dialog's common right edge.
constexpr int Left = 16;
constexpr int LeftWidth = 208;
constexpr int Right = 232;
constexpr int RightWidth = 201;

std::wstring Tr(const wchar_t* text, std::uint16_t uiLanguage) { return Translate(text, 0, uiLanguage); }

}  // namespace

int AddWordBand(std::vector<TSettingsControlPlan>& c, int top, int tab, const TCommandCaptions& captions,
                std::uint16_t uiLanguage) {
  c.push_back(PlanControl(C::chkWordSuggestions, Kind::CheckBox, Left, top, LeftWidth, 17, tab++,
                          captions.Of(TCommandId::WordSuggestions)));
  c.push_back(PlanControl(C::chkSuggestionSpace, Kind::CheckBox, Right, top, RightWidth, 17, tab++,
                          Tr(L"Space after a suggestion", uiLanguage)));
  // The check box in line with the middle of the button beside it.
  c.push_back(PlanControl(C::chkLearnWords, Kind::CheckBox, Left, top + 25, LeftWidth, 17, tab++,
                          Tr(L"Learn my words", uiLanguage)));
  c.push_back(PlanControl(C::btnForgetWords, Kind::PushButton, Right, top + 21, RightWidth, 23, tab++,
                          Tr(L"Forget learned words", uiLanguage)));
  return tab;
}

int AddScanBand(std::vector<TSettingsControlPlan>& c, int top, int tab, const TCommandCaptions& captions,
                std::uint16_t uiLanguage) {
  const std::wstring colon = LabelColon(0, uiLanguage);
  c.push_back(
      PlanControl(C::chkScanning, Kind::CheckBox, Left, top, LeftWidth, 17, tab++, captions.Of(TCommandId::Scanning)));
  c.push_back(PlanControl(C::chkClickSound, Kind::CheckBox, Right, top, RightWidth, 17, tab++,
                          captions.Of(TCommandId::ClickSound)));
  c.push_back(PlanControl(C::chkScanSound, Kind::CheckBox, Left, top + 24, LeftWidth, 17, tab++,
                          Tr(L"Tick at each step", uiLanguage)));
  // The switch key's label and list, their middles in line with the check box's.
  c.push_back(
      PlanControl(C::lblScanKey, Kind::Label, Right, top + 26, 107, 13, -1, Tr(L"Switch key", uiLanguage) + colon));
  c.push_back(PlanControl(C::cbScanKey, Kind::DropDownList, 343, top + 22, 90, 21, tab++, L""));
  c.back().Items = SwitchKeyNames(uiLanguage);
  c.back().Hint = Tr(L"Switch key", uiLanguage);
  // The scan time in the hover time's places.
  c.push_back(
      PlanControl(C::lblScanTime, Kind::Label, Left, top + 48, 70, 13, -1, Tr(L"Scan time", uiLanguage) + colon));
  c.push_back(PlanControl(C::tbScanTime, Kind::TrackBar, 104, top + 44, 233, 27, tab++, L""));
  c.back().Hint = Tr(L"Scan time", uiLanguage);
  c.push_back(PlanControl(C::lblScanTimeValue, Kind::Label, 345, top + 48, 88, 13, -1,
                          TimeText(TSettingId::ScanTime, Setting(TSettingId::ScanTime).Default)));
  return tab;
}

std::wstring ForgetLearnedWordsQuestion(std::uint16_t uiLanguage) {
  return Tr(L"Forget all the words learned from your typing? This cannot be undone.", uiLanguage);
}

std::vector<std::wstring> SwitchKeyNames(std::uint16_t uiLanguage) {
  std::vector<std::wstring> names;
  for (const std::uint8_t key : SwitchKeyCodes) {
    switch (key) {
      case VkSpace: names.push_back(Tr(L"Space", uiLanguage)); break;
      // The names the keyboard's own keys show.
      case VkReturn: names.push_back(Tr(L"Enter", uiLanguage)); break;
      case VkPause: names.push_back(Tr(L"Pause", uiLanguage)); break;
      case VkScroll: names.push_back(Tr(L"Scroll Lock", uiLanguage)); break;
      default: names.push_back(L"F" + std::to_wstring(key - VkF1 + 1)); break;
    }
  }
  return names;
}

int SwitchKeyIndex(int storedKey) {
  const auto at = std::find(SwitchKeyCodes.begin(), SwitchKeyCodes.end(), LimitScanKey(storedKey));
  return static_cast<int>(at - SwitchKeyCodes.begin());
}

int SwitchKeyOfIndex(int index) {
  return index >= 0 && index < SwitchKeyCount ? SwitchKeyCodes[static_cast<std::size_t>(index)] : ScanKeyDefault;
}

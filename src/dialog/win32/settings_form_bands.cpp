// The settings dialog's bands of word suggestions and switch scanning: each control applies its
// setting at once through the keyboard window, as the dialog's other controls do.
#include <windows.h>

#include <commctrl.h>

#include "dialog/settings_dialog_bands.h"
#include "dialog/win32/settings_form.h"

namespace {

using C = TSettingsControl;
using S = TSettingId;

// The bands' check boxes and the settings they switch.
const struct {
  C Control;
  S Setting;
} BandSwitches[] = {
    {C::chkWordSuggestions, S::WordSuggestions}, {C::chkSuggestionSpace, S::SuggestionSpace},
    {C::chkLearnWords, S::LearnWords},           {C::chkScanning, S::Scanning},
    {C::chkClickSound, S::ClickSound},           {C::chkScanSound, S::ScanSound},
};

}  // namespace

void TSettingsForm::FillBands() {
  for (const auto& s : BandSwitches)
    SendMessageW(Control(s.Control), BM_SETCHECK, FTarget.Switch(s.Setting) ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageW(Control(C::cbScanKey), CB_SETCURSEL,
               static_cast<WPARAM>(SwitchKeyIndex(FTarget.SettingValue(S::ScanKey))), 0);
  const HWND trackBar = Control(C::tbScanTime);
  SendMessageW(trackBar, TBM_SETPOS, TRUE, TimeTrackBarPosition(S::ScanTime, FTarget.SettingValue(S::ScanTime)));
  FScanTrackBarPosition = static_cast<int>(SendMessageW(trackBar, TBM_GETPOS, 0, 0));
  SetWindowTextW(Control(C::lblScanTimeValue),
                 TimeText(S::ScanTime, TimeOfTrackBarPosition(S::ScanTime, FScanTrackBarPosition)).c_str());
}

bool TSettingsForm::OnBandCommand(int id, int code) {
  const C control = static_cast<C>(id);
  for (const auto& s : BandSwitches) {
    if (s.Control != control) continue;
    if (code == BN_CLICKED) chkBandSwitchClick(control);
    return true;
  }
  switch (control) {
    case C::cbScanKey:
      if (code == CBN_SELCHANGE) cbScanKeyChange();
      return true;
    case C::btnForgetWords:
      if (code == BN_CLICKED) btnForgetWordsClick();
      return true;
    default: return false;
  }
}

void TSettingsForm::chkBandSwitchClick(TSettingsControl control) {
  for (const auto& s : BandSwitches)
    if (s.Control == control) FTarget.ApplySetting(s.Setting, Checked(control));
}

void TSettingsForm::cbScanKeyChange() {
  const int index = static_cast<int>(SendMessageW(Control(C::cbScanKey), CB_GETCURSEL, 0, 0));
  if (index >= 0) FTarget.ApplySetting(S::ScanKey, SwitchKeyOfIndex(index));
}

void TSettingsForm::tbScanTimeChange() {
  const int position = static_cast<int>(SendMessageW(Control(C::tbScanTime), TBM_GETPOS, 0, 0));
  if (position == FScanTrackBarPosition) return;
  FScanTrackBarPosition = position;
  const int time = TimeOfTrackBarPosition(S::ScanTime, position);
  SetWindowTextW(Control(C::lblScanTimeValue), TimeText(S::ScanTime, time).c_str());
  FTarget.ApplySetting(S::ScanTime, time);
}

void TSettingsForm::btnForgetWordsClick() {
  // No is the default answer: a slip of Enter or Space keeps the words.
  const int answer =
      MessageBoxW(Handle(), FPlan.ForgetWordsQuestion.c_str(), L"Orvilla", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  if (answer == IDYES) FTarget.ForgetLearnedWords();
}

// The keyboard window's operations that apply a setting (and store it), and its commands.
#include <windows.h>

#include "app/command_captions.h"
#include "app/win32/main_form.h"
#include "app/window_opacity.h"
#include "app/window_rules.h"
#include "platform/rounding.h"
#include "platform/win32/program_file.h"
#include "platform/win32/screen.h"
#include "settings/win32/app_ini_module.h"
#include "settings/win32/hwnd_placement.h"

void TMainForm::TranslateCaptions() {
  const TCommandCaptions c = TranslateCommandCaptions(GetUserDefaultUILanguage(), GetAppVersion());
  pmiEnableKeyRepeat.Caption = c.EnableKeyRepeat;
  pmiFitWidth.Caption = c.FitWidth;
  pmiLockSize.Caption = c.LockSize;
  pmiChangeColors.Caption = c.ChangeColors;
  pmiChangeKeyboardType.Caption = c.ChangeKeyboardType;
  pmiOnlineKeyboard.Caption = c.OnlineKeyboard;
  pmiOnlineHelp.Caption = c.OnlineHelp;
  pmiAboutORV.Caption = c.AboutOrvilla;
  pmiAboutSNT.Caption = c.AboutSentaro;
}

void TMainForm::ShowFirstRunPage() {
  if (FirstRunPageDue(FAppIni)) pmiOnlineHelpClick();
}

void TMainForm::UpdateBorder() {
  // Locked: a single border with the system menu and the minimise button; otherwise sizeable,
  // with the maximise button too. The extended styles stay as they are.
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  const DWORD wanted = FLockSize ? (style & ~(WS_THICKFRAME | WS_MAXIMIZEBOX)) | WS_SYSMENU | WS_MINIMIZEBOX
                                 : style | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  if (wanted == style) return;
  SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(wanted));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A new border brings the system's default system menu back: add the program's items again.
  GetSystemMenu(Handle(), TRUE);
  BuildSystemMenu();
}

void TMainForm::BuildSystemMenu() {}

void TMainForm::SetEnableKeyRepeat(bool value) {
  FEnableKeyRepeat = value;
  pmiEnableKeyRepeat.Checked = value;
  FAppIni.WriteBool(L"EnableKeyRepeat", value);
}

void TMainForm::SetFitWidth(bool value) {
  FFitWidth = value;
  {
    FSizingGuard = false;
    TFlagRestorer restore{FSizingGuard};
    const TRect wa = WorkArea();
    const TRect window = WindowRect(Handle());
    if (value) {
      SetWindowPos(Handle(), nullptr, wa.Left, window.Top, wa.Width(), window.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (FKeyboard->DesignHeight() > 0) {
      const TRect client = ClientRect(Handle());
      const int clientWidth = RoundHalfEven(static_cast<double>(client.Bottom) / FKeyboard->DesignHeight() *
                                            FKeyboard->DesignWidth());
      SetClientSize(clientWidth, client.Bottom);
      const TRect resized = WindowRect(Handle());
      SetWindowPos(Handle(), nullptr, (wa.Left + wa.Right - resized.Width()) / 2, resized.Top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  pmiFitWidth.Checked = value;
  FAppIni.WriteBool(L"FitWidth", value);
}

void TMainForm::SetLockSize(bool value) {
  FLockSize = value;
  pmiLockSize.Checked = value;
  {
    // The size stored is the one the window had before it was locked.
    THwndPlacementWindow placement(Handle());
    FAppIni.SaveFormPlacement(placement, false);
  }
  UpdateBorder();
  FAppIni.WriteBool(L"LockSize", value);
}

void TMainForm::SetTransparency(int value) {
  FTransparency = value;
  // Whatever the store holds, the window is never made invisible: the applied opacity is limited.
  SetLayeredWindowAttributes(Handle(), 0, AppliedOpacity(value), LWA_ALPHA);
  ScheduleLazySave();
}

void TMainForm::ScheduleLazySave() {
  if (!Handle()) return;
  EnableTimer(tmrLazySaveSettings, false, 3000);
  EnableTimer(tmrLazySaveSettings, true, 3000);
}

void TMainForm::pmiOnlineHelpClick() {}

void TMainForm::tmrSettingsTimer() {
  EnableTimer(tmrSettings, false, 100);
  // The settings dialog is not part of the program yet: nothing to show.
}


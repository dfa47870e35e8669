// The keyboard window's operations that apply a setting (and store it), and its commands.
#include <windows.h>

#include <shellapi.h>

#include <stdexcept>

#include "app/placement_without_row.h"
#include "app/transparency_slider.h"
#include "app/win32/main_form.h"
#include "app/win32/transparency_panel.h"
#include "app/window_opacity.h"
#include "app/window_rules.h"
#include "app/window_sizing.h"
#include "commands/command_captions.h"
#include "commands/command_cycling.h"
#include "commands/web_links.h"
#include "dialog/win32/settings_form.h"
#include "keyboard/paint_hold.h"
#include "platform/rounding.h"
#include "platform/scope_exit.h"
#include "platform/win32/program_file.h"
#include "platform/win32/screen.h"
#include "platform/win32/system_library.h"
#include "render/win32/theme_win32.h"
#include "settings/win32/app_ini_module.h"
#include "settings/win32/hwnd_placement.h"
#include "words/suggestion_row.h"

void TMainForm::TranslateCaptions() {
  FCaptions = TranslateCommandCaptions(GetUserDefaultUILanguage(), GetAppVersion());
}

void TMainForm::ShowFirstRunPage() {
  if (FirstRunPageDue(FAppIni)) RunCommand(TCommandId::OnlineHelp);
}

void TMainForm::UpdateBorder() {
  // Locked: a single border with the system menu and the minimise button; otherwise sizeable,
  // with the maximise button too. The extended styles stay as they are.
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  const DWORD wanted = On(TSettingId::LockSize)
                           ? (style & ~(WS_THICKFRAME | WS_MAXIMIZEBOX)) | WS_SYSMENU | WS_MINIMIZEBOX
                           : style | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  if (wanted == style) return;
  SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(wanted));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A new border brings the system's default system menu back: add the program's items again.
  GetSystemMenu(Handle(), TRUE);
  BuildSystemMenu();
}

void TMainForm::BuildSystemMenu() {
  const HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return;
  for (const TSystemMenuItem& item : SystemMenuItems(FCaptions, Switches())) {
    if (item.Separator)
      AppendMenuW(menu, MF_SEPARATOR, 0, L"");
    else
      AppendMenuW(menu, MF_STRING | (item.Checked ? MF_CHECKED : MF_UNCHECKED), item.Id, item.Caption.c_str());
  }
}

void TMainForm::UpdateMenuChecks(TSettingId id) {
  const HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return;
  for (const TCommandDef& command : CommandTable()) {
    if (command.Switch != id) continue;
    const TSystemMenuItem item = SystemMenuItem(command.Id, FCaptions, Switches());
    ModifyMenuW(menu, item.Id, MF_BYCOMMAND | MF_STRING | (item.Checked ? MF_CHECKED : MF_UNCHECKED), item.Id,
                item.Caption.c_str());
  }
}

void TMainForm::ApplyStoredSettings() {
  FSettings.ApplyStored(TSettingId::FitWidth);
  {
    THwndPlacementWindow placement(Handle());
    FAppIni.LoadFormPlacement(placement, false);
  }
  FSettings.ApplyStored(TSettingId::LockSize);
  UpdateBorder();
  FSettings.ApplyStored(TSettingId::Transparency);
  FSettings.ApplyStored(TSettingId::EnableKeyRepeat);
  FSettings.ApplyStored(TSettingId::HoverTime);
  FSettings.ApplyStored(TSettingId::HoverPress);
  // Read as stored, limited, and applied without storing them again.
  FSettings.Load(TSettingId::ScanTime, AcceptedValue(TSettingId::ScanTime, FAppIni.Read(TSettingId::ScanTime)));
  TellFeaturesSetting(TSettingId::ScanTime);
  FSettings.Load(TSettingId::ScanKey, AcceptedValue(TSettingId::ScanKey, FAppIni.Read(TSettingId::ScanKey)));
  TellFeaturesSetting(TSettingId::ScanKey);
  FSettings.LoadStored(TSettingId::ClickSound);
  TellFeaturesSetting(TSettingId::ClickSound);
  FSettings.LoadStored(TSettingId::ScanSound);
  TellFeaturesSetting(TSettingId::ScanSound);
  FSettings.LoadStored(TSettingId::SuggestionSpace);
  FSettings.LoadStored(TSettingId::LearnWords);
  FSettings.LoadStored(TSettingId::Scanning);
  FSettings.LoadStored(TSettingId::KeepClear);
  FSettings.ApplyStored(TSettingId::WordSuggestions);
  UpdateMenuChecks(TSettingId::KeepClear);
  UpdateMenuChecks(TSettingId::Scanning);
  UpdateMenuChecks(TSettingId::ClickSound);
}

int TMainForm::AcceptedValue(TSettingId id, int value) {
  if (id == TSettingId::KeyboardType) return KeyboardTypeToApply(value);
  if (id == TSettingId::ScanKey) return LimitScanKey(value);
  return TSettingEffects::AcceptedValue(id, value);
}

void TMainForm::SettingApplied(TSettingId id, int value) {
  switch (id) {
    case TSettingId::FitWidth: FitWidthApplied(value != 0); break;
    case TSettingId::LockSize: LockSizeApplied(); break;
    case TSettingId::KeyboardType: KeyboardTypeApplied(); break;
    case TSettingId::ColorScheme: ColorSchemeApplied(); break;
    case TSettingId::Transparency: TransparencyApplied(); break;
    case TSettingId::HoverPress: HoverPressApplied(value != 0); break;
    case TSettingId::HoverTime: FHover->SetTime(value); break;
    // The others are read where they are used (key repeat on the press timer, keeping clear on
    // the language check), or are the features' alone.
    default: break;
  }
  // Then the features' part (hover on the suggestion row, the row in the new colours).
  TellFeatures(&TKeyboardFeature::OnSettingApplied, id, value);
}

void TMainForm::StoreByProgram(TSettingId id, int) {
  if (id == TSettingId::KeyboardType) StoreKeyboardType();
}

void TMainForm::FitWidthApplied(bool on) {
  FSizingGuard = false;
  TScopeExit restore([this] { FSizingGuard = true; });
  const TRect wa = WorkArea();
  const TRect window = WindowRect(Handle());
  if (on) {
    SetWindowPos(Handle(), nullptr, wa.Left, window.Top, wa.Width(), window.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    SizeToAspectCentred(wa);
  }
}

void TMainForm::LockSizeApplied() {
  // The size stored is the one the window had before it was locked.
  SavePlacement();
  UpdateBorder();
}

void TMainForm::HoverPressApplied(bool on) {
  // The check runs only while hover typing is on (and stops by itself off the keyboard).
  if (on)
    StartHoverCheck();
  else
    StopHoverCheck();
}

void TMainForm::SavePlacement() {
  THwndPlacementWindow window(Handle());
  TPlacementWithoutRow placement(window, KeyArea().Top);
  FAppIni.SaveFormPlacement(placement, false);
}

void TMainForm::SuggestionRowChanged(bool shown) {
  // The keys' area as it was: all of the client area before the row came, below it before it went.
  const TRect keys = KeyAreaBelowRow(ClientRect(Handle()), !shown);
  if (!IsIconic(Handle()) && !(IsZoomed(Handle()) && IsWindowVisible(Handle()))) {
    FSizingGuard = false;
    TScopeExit restore([this] { FSizingGuard = true; });
    const TRect window = WindowRect(Handle());
    const TRect resized = shown ? WindowWithRow(window, ClientHeightWithRow(keys.Height()) - keys.Height(), WorkArea())
                                : WindowWithoutRow(window, keys.Top);
    SetWindowPos(Handle(), nullptr, resized.Left, resized.Top, resized.Width(), resized.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FormResize();
}

void TMainForm::ForgetLearnedWords() { FWordSuggestions->ForgetLearnedWords(); }

void TMainForm::TransparencyApplied() {
  // Whatever the store holds, the window is never made invisible: the applied opacity is limited.
  // Layered only below full opacity: an opaque window draws faster without it.
  const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  const BYTE alpha = AppliedOpacity(Value(TSettingId::Transparency));
  if (alpha < 255) {
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, alpha, LWA_ALPHA);
  } else if (exStyle & WS_EX_LAYERED) {
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  if (pnlTransparency) pnlTransparency->Repaint();
}

void TMainForm::KeyboardTypeApplied() {
  // Applied first and stored after: a store that cannot be written leaves the number, the keys
  // shown and the slider in step, and its error goes on to the caller.
  // No key this keyboard pressed or latched may stay down once its key objects are replaced.
  StopHoverCheck();
  ReleaseAllKeys();
  {
    // The new layout is drawn once, at its final size: not at its own size after the load, nor
    // again after the resize.
    TPaintHold hold(*FKeyboard);
    {
      const bool wasShown = FShown;
      FShown = false;
      TScopeExit shown([this, wasShown] { FShown = wasShown; });
      BuildKeyboard();
    }
    FormResize();
  }
  // The keys were replaced while the window counted as not shown: scanning goes on over the new
  // ones now.
  TellFeatures(&TKeyboardFeature::OnKeysShown);
  KeepOnMonitor();
  StartLegendsFill();
}

void TMainForm::ColorSchemeApplied() {
  ApplyColorScheme(Value(TSettingId::ColorScheme));
  FKeyboard->Redraw(true);
  if (pnlTransparency) pnlTransparency->Repaint();
}

void TMainForm::KeepOnMonitor() {
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &mi)) return;
  // The test takes the whole monitor and the move the work area: a window over the taskbar only
  // stays where it is.
  const TRect w = WindowRect(Handle());
  if (w.Right > mi.rcMonitor.right || w.Bottom > mi.rcMonitor.bottom || w.Left < mi.rcMonitor.left ||
      w.Top < mi.rcMonitor.top)
    KeepOnWorkArea(Handle());
}

void TMainForm::SizeToAspectCentred(const TRect& workArea) {
  if (FKeyboard->DesignHeight() <= 0) return;
  // The keys' area below the suggestion row follows the aspect; the row takes the width it gets.
  const TRect keys = KeyArea();
  const int clientWidth =
      RoundHalfEven(static_cast<double>(keys.Height()) / FKeyboard->DesignHeight() * FKeyboard->DesignWidth());
  SetClientSize(clientWidth, keys.Bottom);
  const TRect resized = WindowRect(Handle());
  const int left = (workArea.Left + workArea.Right - resized.Width()) / 2;
  if (left != resized.Left)  // a place the window has already makes no move
    SetWindowPos(Handle(), nullptr, left, resized.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect TMainForm::WindowBounds() const { return WindowRect(Handle()); }

void TMainForm::RestoreLeftAndWidth(int left, int width) {
  FSizingGuard = false;
  TScopeExit restore([this] { FSizingGuard = true; });
  const TRect window = WindowRect(Handle());
  SetWindowPos(Handle(), nullptr, left, window.Top, width, window.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::FitAspectCentred(const TRect& workArea) {
  FSizingGuard = false;
  TScopeExit restore([this] { FSizingGuard = true; });
  SizeToAspectCentred(workArea);
}

void TMainForm::OpenUrl(const std::wstring& url) {
  const std::wstring target = UrlToOpen(url, GetUserDefaultUILanguage());
  if (!FShell32) FShell32 = LoadSystemLibrary(L"shell32.dll");
  const auto shellExecute = ModuleFunction<decltype(&ShellExecuteW)>(FShell32, "ShellExecuteW");
  // No shell, no browser or no handler: nothing to report.
  if (shellExecute) shellExecute(Handle(), nullptr, target.c_str(), nullptr, L"", SW_SHOWNORMAL);
}

void TMainForm::RunCommand(TCommandId command) {
  TCommandContext context{*this, FAppIni, GetUserDefaultUILanguage(), [this] { tmrSettingsTimer(); },
                          [this] { return KeyboardTypes().Next(StoredKeyboardType()); }};
  ::RunCommand(Command(command), context);
}

void TMainForm::ScheduleLazySave() {
  if (!Handle()) return;
  EnableTimer(tmrLazySaveSettings, false, 3000);
  EnableTimer(tmrLazySaveSettings, true, 3000);
}

void TMainForm::tmrSettingsTimer() {
  EnableTimer(tmrSettings, false, 100);
  if (MakeSettingsForm(true)) FSettingsForm->ShowSettings();
}

bool TMainForm::MakeSettingsForm(bool reportFailure) {
  if (FSettingsForm) return true;
  try {
    FSettingsForm = std::make_unique<TSettingsForm>(Handle(), *this, FCaptions, GetUserDefaultUILanguage());
  } catch (const std::exception& error) {
    if (reportFailure) ShowErrorBox(Handle(), error);
    return false;
  }
  return true;
}

bool TMainForm::PreTranslateSettingsMessage(MSG& msg) {
  return FSettingsForm && FSettingsForm->PreTranslateMessage(msg);
}

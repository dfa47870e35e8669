#include "app/win32/scanning_feature.h"

#include "scanning/scan_conditions.h"

TScanningFeature::TScanningFeature(HWND window, UINT switchMessage, TLvKeyboard& keyboard, TPointerInput& pointer,
                                   const TSettingsController& settings, TFeatureTimer timer,
                                   std::function<bool()> shown)
    : FWindow(window),
      FSwitchMessage(switchMessage),
      FSettings(settings),
      FTimer(std::move(timer)),
      FShown(std::move(shown)),
      FSession(window, switchMessage, keyboard, pointer) {}

void TScanningFeature::Start() {
  if (!ScanMayRun({FSettings.Switch(TSettingId::Scanning), FShown(), IsIconic(FWindow) != FALSE})) return;
  FSession.Start();
  FTimer.Enable(true);
}

void TScanningFeature::Stop() {
  if (FTimer.Enabled()) FTimer.Enable(false);
  FSession.Stop();
}

void TScanningFeature::OnClose() {
  Stop();
  FSession.SetLeadingRow(nullptr);  // the suggestion row goes before the scan
}

void TScanningFeature::OnLanguageChecked(bool changed) {
  if (changed) FSession.KeysMoved();
}

bool TScanningFeature::OnTimer(UINT_PTR id) {
  if (id != FTimer.Id()) return false;
  FSession.Check();
  return true;
}

std::optional<LRESULT> TScanningFeature::OnMessage(UINT message, WPARAM, LPARAM) {
  if (message == FSwitchMessage) {
    FSession.SwitchPressed();
    return 0;
  }
  if (SwitchButton(message)) return 0;
  return std::nullopt;
}

bool TScanningFeature::SwitchButton(UINT message) {
  if (!FSession.Running()) return false;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: FSession.SwitchPressed(); return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return true;
  }
  return false;
}

void TScanningFeature::OnSettingApplied(TSettingId id, int value) {
  switch (id) {
    // The same paths as showing and hiding: the hook and the timer only while on and shown.
    case TSettingId::Scanning: return value ? Start() : Stop();
    case TSettingId::ClickSound: return FSession.SetClickSound(value != 0);
    case TSettingId::ScanTime: return FSession.SetScanTime(value);
    case TSettingId::ScanKey: return FSession.SetScanKey(value);  // a hook in place now catches the new key
    case TSettingId::ScanSound: return FSession.SetScanSound(value != 0);
    default: return;
  }
}

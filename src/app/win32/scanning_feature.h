#pragma once
// Switch scanning in the keyboard window: the scan session runs while the setting "Scanning" is on
// and the keys are on screen, with its timer; a mouse button on the window and the switch key's
// hook message are the switch while it runs; the scan settings and sounds follow their values.
// While scanning is off there is no hook and no timer, and only the click sound (when on) plays.
#include <windows.h>

#include <functional>
#include <optional>

#include "app/win32/keyboard_feature.h"
#include "scanning/win32/scan_session.h"
#include "settings/settings_controller.h"

// What switch scanning is told of a row scanned before the keys (the suggestion row).
class TLeadingRowScan {
 public:
  virtual ~TLeadingRowScan() = default;
  // The row came, to be scanned first, or went (null); the caller keeps it alive until it sets
  // another.
  virtual void SetLeadingRow(TScanLeadingRow* row) = 0;
  // The row's number of items changed: the rows again, from the first.
  virtual void LeadingRowChanged() = 0;
  // An item of the row was pressed: the click, as for a key.
  virtual void KeyPressed() = 0;
};

class TScanningFeature : public TKeyboardFeature, public TLeadingRowScan {
 public:
  // The hook posts a switch key's press to window as switchMessage; settings are read for
  // "Scanning"; shown answers whether the window has been shown (false while the window replaces
  // its keys).
  TScanningFeature(HWND window, UINT switchMessage, TLvKeyboard& keyboard, TPointerInput& pointer,
                   const TSettingsController& settings, TFeatureTimer timer, std::function<bool()> shown);

  void OnKeysShown() override { Start(); }
  void OnKeysHidden() override { Stop(); }
  void OnClose() override;
  // The layout or the keys' size changed: the rows again, from the first.
  void OnKeysPlaced() override { FSession.LayoutChanged(); }
  void OnLanguageChecked(bool changed) override;
  bool OnTimer(UINT_PTR id) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnSettingApplied(TSettingId id, int value) override;

  void SetLeadingRow(TScanLeadingRow* row) override { FSession.SetLeadingRow(row); }
  void LeadingRowChanged() override { FSession.LayoutChanged(); }
  // Also told of every key press of the keyboard.
  void KeyPressed() override { FSession.KeyPressed(); }

 private:
  // Starts scanning when it may run (scan_conditions.h); Stop ends it, hook and timer gone.
  void Start();
  void Stop();
  // While scanning, every mouse button anywhere on the keyboard is the switch, and the keys are
  // pressed by the scan alone: true for a button message taken so.
  bool SwitchButton(UINT message);

  HWND FWindow;
  UINT FSwitchMessage;
  const TSettingsController& FSettings;
  TFeatureTimer FTimer;
  std::function<bool()> FShown;
  TScanSession FSession;
};

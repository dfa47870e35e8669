#pragma once
// A feature of the keyboard beyond typing (word suggestions, switch scanning): the keyboard window
// tells each what happens to it, and the feature does its own part. The window names no feature
// in its event handlers; the composition root (main_form_objects.cpp) builds the features and
// gives each what it needs. A feature that is switched off does nothing at any of these.
#include <windows.h>

#include <functional>
#include <optional>
#include <utility>

#include "settings/settings_table.h"

class TKeyboardFeature {
 public:
  virtual ~TKeyboardFeature() = default;

  // The keys are on screen again (the window shown or restored, a new layout loaded), or leave it
  // (the window minimised, its keys about to be replaced).
  virtual void OnKeysShown() {}
  virtual void OnKeysHidden() {}
  // The window closes: nothing of the feature may outlive it.
  virtual void OnClose() {}
  // The client area has a new size, before the keys take theirs; then the keys have theirs.
  virtual void OnResize() {}
  virtual void OnKeysPlaced() {}
  // The input language check (every 300 ms while shown), after the keyboard followed the
  // foreground window's language: whether its legends changed with it.
  virtual void OnLanguageChecked(bool changed) {}
  // A timer of the window; true when it is the feature's own.
  virtual bool OnTimer(UINT_PTR id) { return false; }
  // A message of the window, before the window's own handling; a result when the feature handled
  // it in full.
  virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) { return std::nullopt; }
  // A setting has a new value (applied, or read at start-up for the settings the feature keeps).
  virtual void OnSettingApplied(TSettingId id, int value) {}
  // The lazy save: what the feature keeps goes to its file.
  virtual void OnSave() {}
};

// A timer of the keyboard window that a feature owns: its id, and switching it on and off.
class TFeatureTimer {
 public:
  TFeatureTimer(UINT_PTR id, UINT interval, std::function<void(bool on, UINT interval)> enable,
                std::function<bool()> enabled)
      : FId(id), FInterval(interval), FEnable(std::move(enable)), FEnabled(std::move(enabled)) {}

  UINT_PTR Id() const { return FId; }
  bool Enabled() const { return FEnabled(); }
  void Enable(bool on) { FEnable(on, FInterval); }

 private:
  UINT_PTR FId;
  UINT FInterval;
  std::function<void(bool, UINT)> FEnable;
  std::function<bool()> FEnabled;
};

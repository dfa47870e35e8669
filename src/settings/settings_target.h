#pragma once
// What the settings dialog and the commands see of the keyboard window: the settings, by their
// id in the settings table, the window's place for Fit width, and the operation that applies a
// setting. ApplySetting applies the value to the running program at once, updates the menus and
// stores it; errors of the settings store propagate out of it.
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "settings/settings_table.h"

class TSettingsTarget {
 public:
  virtual ~TSettingsTarget() = default;

  // The current value of a setting (a Bool one is 0 or 1).
  virtual int SettingValue(TSettingId id) const = 0;
  bool Switch(TSettingId id) const { return SettingValue(id) != 0; }
  // Applies, shows and stores a setting's new value.
  virtual void ApplySetting(TSettingId id, int value) = 0;
  // The names of the layouts from files (the keyboard types after the built-in ones, in their order).
  virtual std::vector<std::wstring> FileLayoutNames() = 0;

  // The keyboard window's bounds on the screen.
  virtual TRect WindowBounds() const = 0;

  // After Fit width was turned off in the dialog, with the size lock suspended (also on failure):
  // the window goes back to this Left and width; its top and height stay.
  virtual void RestoreLeftAndWidth(int left, int width) = 0;
  // ... or, with nothing to go back to, its client width follows the keyboard's aspect at the
  // current client height and the window is centred horizontally on workArea.
  virtual void FitAspectCentred(const TRect& workArea) = 0;

  // "Forget learned words": empties the user dictionary of word suggestions and saves it empty at
  // once, whether suggestions are on or off.
  virtual void ForgetLearnedWords() = 0;

  // Opens a web page or shell target (the Russian host substitution included).
  virtual void OpenUrl(const std::wstring& url) = 0;
};

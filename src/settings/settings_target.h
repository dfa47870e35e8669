#pragma once
// What the settings dialog sees of the keyboard window: the settings it shows, the window's place
// for Fit width, and the operations that apply a setting. Each Set... applies the value to the
// running program at once, updates the menus and stores it; errors of the settings store
// propagate out of it.
#include <string>
#include <vector>

#include "platform/geometry.h"

class TSettingsTarget {
 public:
  virtual ~TSettingsTarget() = default;

  // The current settings (FEnableKeyRepeat, FFitWidth, FLockSize, FKeyboardType, FColorScheme,
  // FTransparency, and hover typing with its time in milliseconds).
  virtual bool EnableKeyRepeat() const = 0;
  virtual bool FitWidth() const = 0;
  virtual bool LockSize() const = 0;
  virtual int KeyboardType() const = 0;
  virtual int ColorScheme() const = 0;
  virtual int Transparency() const = 0;
  virtual bool HoverPress() const = 0;
  // Keeping clear of the text cursor, and the names of the layouts from files (the keyboard types
  // after the built-in ones, in their order).
  virtual bool KeepClear() const = 0;
  virtual std::vector<std::wstring> FileLayoutNames() = 0;
  virtual int HoverTime() const = 0;

  // The keyboard window's bounds on the screen.
  virtual TRect WindowBounds() const = 0;

  virtual void SetEnableKeyRepeat(bool value) = 0;
  virtual void SetFitWidth(bool value) = 0;
  virtual void SetLockSize(bool value) = 0;
  virtual void SetKeyboardType(int value) = 0;
  virtual void SetColorScheme(int value) = 0;
  virtual void SetTransparency(int value) = 0;
  virtual void SetHoverPress(bool value) = 0;
  virtual void SetKeepClear(bool value) = 0;
  virtual void SetHoverTime(int milliseconds) = 0;

  // After Fit width was turned off in the dialog, with the size lock suspended (also on failure):
  // the window goes back to this Left and width; its top and height stay.
  virtual void RestoreLeftAndWidth(int left, int width) = 0;
  // ... or, with nothing to go back to, its client width follows the keyboard's aspect at the
  // current client height and the window is centred horizontally on workArea.
  virtual void FitAspectCentred(const TRect& workArea) = 0;

  // Opens a web page or shell target (the Russian host substitution included).
  virtual void OpenUrl(const std::wstring& url) = 0;
};

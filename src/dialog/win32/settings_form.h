#pragma once
// The settings dialog: every setting of the program in one window, each control applying its
// setting at once through the keyboard window (TSettingsTarget). Created once, by the keyboard
// window that owns it, when it is first opened, then shown and hidden again; closing it only hides
// it. It loads the common controls library for as long as it lives.
#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

#include "commands/command_captions.h"
#include "dialog/settings_dialog_plan.h"
#include "dialog/win32/button_image_list.h"
#include "dialog/win32/common_controls.h"
#include "platform/win32/base_window.h"
#include "platform/win32/win32_handles.h"
#include "settings/settings_target.h"

class TSettingsForm : public TBaseWindow<TSettingsForm> {
 public:
  // FormCreate: creates the window hidden, owned by owner (the keyboard window; may be null), on
  // owner's monitor and at that monitor's DPI, with its texts in the user's interface language.
  TSettingsForm(HWND owner, TSettingsTarget& target, const TCommandCaptions& captions, std::uint16_t uiLanguage);
  ~TSettingsForm();
  TSettingsForm(const TSettingsForm&) = delete;
  TSettingsForm& operator=(const TSettingsForm&) = delete;

  HWND Control(TSettingsControl control) const;
  bool Visible() const;
  // The DPI of the dialog's monitor, and the DPI its controls are laid out at: smaller where the
  // dialog would not fit that monitor's work area otherwise (dialog_placement.h).
  int Dpi() const { return FDpi; }
  int LayoutDpi() const { return FLayoutDpi; }
  // The side of the button images in use (16, 24 or 32).
  int ButtonImageSize() const { return FButtonImageSize; }

  // Fills the controls from the keyboard window when the dialog is hidden, shows it (centred on
  // the keyboard window's monitor the first time) and takes the foreground, remembering the
  // window that had it.
  void ShowSettings();
  // FormClose: hides the dialog and gives the foreground back to the window that had it before
  // the dialog opened, when that window still exists.
  void Close();
  // The keyboard window's slider moved: the track bar follows while the dialog is visible.
  void SetTrackBarPosition(int position);

  // Keyboard use of the dialog (Tab, arrows, Space, Enter, Esc). The message loop calls this for
  // every message before TranslateMessage and DispatchMessage; when it returns true, the message
  // has been handled and must not be translated or dispatched.
  bool PreTranslateMessage(MSG& msg);

 private:
  friend class TBaseWindow<TSettingsForm>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void FormCreate();
  void CreateControls();
  // Lays the controls out at a DPI, with their font and pictures, and has everything redrawn.
  void ApplyLayoutDpi(int dpi);
  // Sizes and places the window on a work area at FDpi (centred when no place is asked for),
  // laying the controls out again when the scale that fits changes.
  void Place(const TRect& workArea, std::optional<TPoint> topLeft);
  void PlaceCentred();
  void SetButtonImages();
  void FillControls();
  bool Checked(TSettingsControl control) const;
  int ListIndex(TSettingsControl control) const;
  void OnCommand(int id, int code);
  void OnActivate(bool active);

  void chkEnableKeyRepeatClick();
  void chkFitWidthClick();
  void chkLockSizeClick();
  void chkHoverPressClick();
  void chkKeepClearClick();
  void tbHoverTimeChange();
  // The hover time beside its track bar.
  void ShowHoverTime(int milliseconds);
  void lbKeyboardTypeClick();
  void lbColorsClick();
  void tbTransparencyChange();
  void btnLanguageClick();
  void btnOnlineKeyboardClick();
  void btnHelpOrReviewClick();
  void btnAboutORVClick();
  void btnAboutSNTClick();
  void btnCloseClick();

  // The bands of word suggestions and switch scanning (settings_form_bands.cpp): filling them from
  // the keyboard window, and their handlers.
  void FillBands();
  // True when id is a control of the bands (whose notification is then handled).
  bool OnBandCommand(int id, int code);
  void chkBandSwitchClick(TSettingsControl control);
  void cbScanKeyChange();
  void tbScanTimeChange();
  void btnForgetWordsClick();

  TSettingsTarget& FTarget;
  const TSettingsDialogPlan FPlan;
  const std::uint16_t FUiLanguage;
  // Loaded before, and freed after, every control and image list of the dialog.
  TCommonControls FCommonControls;
  int FDpi = 96;
  int FLayoutDpi = 0;
  TFontHandle FFont;
  // One image list per image button: a button uses a list of one image for all its states.
  std::array<TImageList, 4> FButtonImages;
  int FButtonImageSize = 0;
  bool FPlaced = false;
  HWND FPreviousForeground = nullptr;  // the window to give the foreground back to
  HWND FFocus = nullptr;               // the control that had the focus when the dialog was left
  int FHoverTrackBarPosition = 0;      // the hover time's position last applied or set
  int FTrackBarPosition = 0;           // the position last applied or set
  int FScanTrackBarPosition = 0;       // the scan time's position last applied or set
  // The keyboard window's Left and width when the dialog was last opened; FSavedLeft 0 means none.
  int FSavedLeft = 0;
  int FSavedWidth = 0;
  bool FSavedFitWidth = false;  // whether those were the bounds of Fit width
};

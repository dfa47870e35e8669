#pragma once
// The settings dialog's window and controls as the window code creates them: kind, id, bounds,
// tab order, texts and list items, with the arithmetic that scales them to the dialog's DPI and
// picks the size of the button images.
#include <cstdint>
#include <string>
#include <vector>

#include "commands/command_captions.h"
#include "platform/geometry.h"
#include "settings/settings_table.h"

enum class TSettingsControlKind { Label, TrackBar, CheckBox, ListBox, PushButton, ImageButton, DropDownList };

// The controls; each value is the control's id. btnClose has the id the dialog manager sends
// for Esc (IDCANCEL), and as the default button it is also what Enter presses.
enum class TSettingsControl : int {
  btnClose = 2,
  lblTransparency = 1001,
  tbTransparency,
  chkEnableKeyRepeat,
  chkFitWidth,
  chkLockSize,
  lblKeyboardType,
  lbKeyboardType,
  lblColors,
  lbColors,
  btnLanguage,
  btnOnlineKeyboard,
  btnHelpOrReview,
  btnAboutORV,
  lblInfo,
  btnAboutSNT,
  chkHoverPress,
  lblHoverTime,
  tbHoverTime,
  lblHoverTimeValue,
  chkKeepClear,
  // The word band.
  chkWordSuggestions,
  chkSuggestionSpace,
  chkLearnWords,
  btnForgetWords,
  // The scan band.
  chkScanning,
  chkClickSound,
  chkScanSound,
  lblScanKey,
  cbScanKey,
  lblScanTime,
  tbScanTime,
  lblScanTimeValue,
};

// The button pictures, by their index in the image lists (index 1, a star, is not used).
constexpr int kImageKeyboard = 0;
constexpr int kImageInformation = 2;
constexpr int kImageQuestionMark = 3;
constexpr int kImageGlobe = 4;

struct TSettingsControlPlan {
  TSettingsControl Control = TSettingsControl::btnClose;
  TSettingsControlKind Kind = TSettingsControlKind::Label;
  TRect Bounds;       // client pixels at 96 DPI
  int TabOrder = -1;  // position in the tab order; -1 for labels, which take no focus
  std::wstring Text;  // caption (labels, check boxes, buttons); empty for lists and the track bar
  std::wstring Hint;  // tooltip text, where there is one
  std::vector<std::wstring> Items;  // list items (the layouts' and schemes' names in English in every language)
  int ImageIndex = -1;              // picture of an image button
  bool WordWrap = false;            // a fixed-size label whose text wraps; other labels fit their text
  int Id() const { return static_cast<int>(Control); }
};

struct TSettingsDialogPlan {
  std::wstring Title;
  std::wstring FontName;
  int FontPointSize = 0;
  int ClientWidth = 0;  // at 96 DPI
  int ClientHeight = 0;
  // In creation order, which is the tab order; each label comes right before what it names.
  std::vector<TSettingsControlPlan> Controls;
  TSettingsControl DefaultButton = TSettingsControl::btnClose;
  TSettingsControl CancelButton = TSettingsControl::btnClose;
  // Asked (Yes or No, No by default) before the learned words are forgotten.
  std::wstring ForgetWordsQuestion;

  // The plan of one control (every control is in the plan).
  const TSettingsControlPlan& Of(TSettingsControl control) const;
};

// The transparency track bar's range is the setting's own; its page size.
constexpr int kTrackBarPageSize = 50;

// The track bars of the times (the hover time, the scan time) count tenths of a second over their
// setting's range; a page is half a second.
constexpr int TimeTrackBarMin(TSettingId id) { return Setting(id).Min / 100; }
constexpr int TimeTrackBarMax(TSettingId id) { return Setting(id).Max / 100; }
constexpr int kTimeTrackBarPageSize = 5;
// The track bar position of a time in milliseconds (limited as its setting is), the time of a
// position, and the time as the dialog shows it beside its track bar ("1.5 s").
int TimeTrackBarPosition(TSettingId id, int milliseconds);
int TimeOfTrackBarPosition(TSettingId id, int position);
std::wstring TimeText(TSettingId id, int milliseconds);
// The height of the hover band (its check box and its track bar) under the three switches; every
// control below it sits that much lower than without it.
constexpr int kHoverBandHeight = 60;
// A control of the plan: bounds from left, top, width and height at 96 DPI.
TSettingsControlPlan PlanControl(TSettingsControl control, TSettingsControlKind kind, int left, int top, int width,
                                 int height, int tabOrder, std::wstring text);

// The dialog in the user's interface language: texts through Translate and LabelColon (a
// French label ends in " :"), the switches' and buttons' texts from the command captions.
// fileLayouts: the names of the layouts from files, listed after the built-in ones.
TSettingsDialogPlan SettingsDialogPlan(const TCommandCaptions& captions, std::uint16_t uiLanguage,
                                       const std::vector<std::wstring>& fileLayouts = {});

// value × dpi / 96 to the nearest integer, halves to even.
int ScaleToDpi(int value, int dpi);
// Bounds at 96 DPI scaled to dpi edge by edge, so that edges which line up at 96 DPI (the right
// edges of the lists, check boxes and buttons) line up at every DPI.
TRect ScaleBoundsToDpi(const TRect& bounds, int dpi);
// The font's height in pixels (a LOGFONT takes its negative).
int FontPixelHeight(int pointSize, int dpi);

// The button images' size for the dialog's DPI: 16 below 1.5 × 96, 24 up to 2 × 96, else 32.
int ButtonImageSize(int dpi);

// The list selection for a stored layout or scheme number (item i is number i + 1): -1, no
// selection, for a number outside the list.
int ListSelection(int number, int itemCount);

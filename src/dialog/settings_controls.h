#pragma once
// One control of the settings dialog as the window code creates it (kind, id, bounds, tab order,
// texts), and the arithmetic of the dialog's time track bars: what the dialog's plan and its bands
// both build on.
#include <string>
#include <vector>

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
constexpr int ImageKeyboard = 0;
constexpr int ImageInformation = 2;
constexpr int ImageQuestionMark = 3;
constexpr int ImageGlobe = 4;

struct TSettingsControlPlan {
  TSettingsControl Control = TSettingsControl::btnClose;
  TSettingsControlKind Kind = TSettingsControlKind::Label;
  TRect Bounds;                     // client pixels at 96 DPI
  int TabOrder = -1;                // position in the tab order; -1 for labels, which take no focus
  std::wstring Text;                // caption (labels, check boxes, buttons); empty for lists and the track bar
  std::wstring Hint;                // tooltip text, where there is one
  std::vector<std::wstring> Items;  // list items (the layouts' and schemes' names in English in every language)
  int ImageIndex = -1;              // picture of an image button
  bool WordWrap = false;            // a fixed-size label whose text wraps; other labels fit their text
  int Id() const { return static_cast<int>(Control); }
};

// The track bars of the times (the hover time, the scan time) count tenths of a second over their
// setting's range; a page is half a second.
constexpr int TimeTrackBarMin(TSettingId id) { return Setting(id).Min / 100; }
constexpr int TimeTrackBarMax(TSettingId id) { return Setting(id).Max / 100; }
constexpr int TimeTrackBarPageSize = 5;
// The track bar position of a time in milliseconds (limited as its setting is), the time of a
// position, and the time as the dialog shows it beside its track bar ("1.5 s").
int TimeTrackBarPosition(TSettingId id, int milliseconds);
int TimeOfTrackBarPosition(TSettingId id, int position);
std::wstring TimeText(TSettingId id, int milliseconds);
// A control of the plan: bounds from left, top, width and height at 96 DPI.
TSettingsControlPlan PlanControl(TSettingsControl control, TSettingsControlKind kind, int left, int top, int width,
                                 int height, int tabOrder, std::wstring text);

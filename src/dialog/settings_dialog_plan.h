#pragma once
// The settings dialog's window and controls as the window code creates them: kind, id, bounds,
// tab order, texts and list items, with the arithmetic that scales them to the dialog's DPI and
// picks the size of the button images.
#include <cstdint>
#include <string>
#include <vector>

#include "commands/command_captions.h"
#include "dialog/settings_controls.h"
#include "platform/geometry.h"
#include "settings/settings_table.h"

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
constexpr int TrackBarPageSize = 50;

// The height of the hover band (its check box and its track bar) under the three switches; every
// control below it sits that much lower than without it.
constexpr int HoverBandHeight = 60;
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

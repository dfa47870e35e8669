#include "dialog/settings_dialog_plan.h"

#include <stdexcept>

#include "dialog/settings_dialog_bands.h"
#include "i18n/orv_languages.h"
#include "keyboard/builtin_layouts.h"
#include "platform/rounding.h"
#include "render/theme.h"

namespace {

using Kind = TSettingsControlKind;
using C = TSettingsControl;

std::wstring ReplaceFirst(std::wstring text, const std::wstring& what, const std::wstring& with) {
  const auto pos = text.find(what);
  if (pos != std::wstring::npos) text.replace(pos, what.size(), with);
  return text;
}

// Bounds from left, top, width and height.
TRect Box(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

TSettingsControlPlan Control(C control, Kind kind, TRect bounds, int tabOrder, std::wstring text, int image = -1) {
  TSettingsControlPlan p =
      PlanControl(control, kind, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), tabOrder, std::move(text));
  p.ImageIndex = image;
  return p;
}

}  // namespace

const TSettingsControlPlan& TSettingsDialogPlan::Of(TSettingsControl control) const {
  for (const auto& c : Controls)
    if (c.Control == control) return c;
  throw std::out_of_range("settings dialog control not in the plan");
}

TSettingsDialogPlan SettingsDialogPlan(const TCommandCaptions& captions, std::uint16_t uiLanguage,
                                       const std::vector<std::wstring>& fileLayouts) {
  auto tr = [uiLanguage](const wchar_t* text) { return Translate(text, 0, uiLanguage); };
  const std::wstring colon = LabelColon(0, uiLanguage);

  TSettingsDialogPlan plan;
  plan.Title = tr(L"Settings");
  plan.FontName = L"Tahoma";
  plan.FontPointSize = 8;
  plan.ClientWidth = 448;
  plan.ClientHeight = 520 + HoverBandHeight + WordBandHeight + ScanBandHeight;
  plan.ForgetWordsQuestion = ForgetLearnedWordsQuestion(uiLanguage);
  // Everything under the hover band and the bands of word suggestions and scanning under it moves
  // down by their heights.
  const int d = HoverBandHeight + WordBandHeight + ScanBandHeight;

  auto& c = plan.Controls;
  c.push_back(Control(C::lblTransparency, Kind::Label, Box(16, 20, 70, 13), -1, tr(L"Transparency") + colon));
  c.push_back(Control(C::tbTransparency, Kind::TrackBar, Box(104, 16, 233, 27), 0, L""));
  c.back().Hint = L"Transparency";
  c.push_back(Control(C::chkEnableKeyRepeat, Kind::CheckBox, Box(16, 52, 417, 17), 1,
                      captions.Of(TCommandId::EnableKeyRepeat)));
  c.push_back(Control(C::chkFitWidth, Kind::CheckBox, Box(16, 76, 417, 17), 2, captions.Of(TCommandId::FitWidth)));
  c.push_back(Control(C::chkLockSize, Kind::CheckBox, Box(16, 100, 417, 17), 3, captions.Of(TCommandId::LockSize)));
  // The hover band: its check box in the switches' rhythm, its track bar in the transparency's.
  c.push_back(Control(C::chkHoverPress, Kind::CheckBox, Box(16, 124, 417, 17), 4, captions.Of(TCommandId::HoverPress)));
  c.push_back(Control(C::lblHoverTime, Kind::Label, Box(16, 152, 70, 13), -1, tr(L"Hover time") + colon));
  c.push_back(Control(C::tbHoverTime, Kind::TrackBar, Box(104, 148, 233, 27), 5, L""));
  c.back().Hint = tr(L"Hover time");
  c.push_back(Control(C::lblHoverTimeValue, Kind::Label, Box(345, 152, 88, 13), -1,
                      TimeText(TSettingId::HoverTime, Setting(TSettingId::HoverTime).Default)));
  int tab = AddWordBand(c, 124 + HoverBandHeight, 6, captions, uiLanguage);
  tab = AddScanBand(c, 124 + HoverBandHeight + WordBandHeight, tab, captions, uiLanguage);
  c.push_back(Control(C::lblKeyboardType, Kind::Label, Box(16, 128 + d, 24, 13), -1, tr(L"Kind") + colon));
  c.push_back(Control(C::lbKeyboardType, Kind::ListBox, Box(16, 144 + d, 201, 89), tab++, L""));
  // The names of the six first layouts are the same in every language; "Full" and "Numeric pad"
  // are translated.
  for (int type = 1; type <= LayoutCount; ++type) c.back().Items.push_back(tr(LayoutListItem(type).c_str()));
  for (const std::wstring& name : fileLayouts) c.back().Items.push_back(name);
  c.push_back(Control(C::lblColors, Kind::Label, Box(232, 128 + d, 34, 13), -1, tr(L"Colors") + colon));
  c.push_back(Control(C::lbColors, Kind::ListBox, Box(232, 144 + d, 201, 89), tab++, L""));
  for (const wchar_t* name : ColorSchemeNames) c.back().Items.push_back(name);
  c.push_back(Control(C::btnLanguage, Kind::PushButton, Box(16, 248 + d, 417, 25), tab++, tr(L"Language preferences")));
  c.push_back(Control(C::btnOnlineKeyboard, Kind::ImageButton, Box(16, 290 + d, 417, 25), tab++,
                      captions.Of(TCommandId::OnlineKeyboard), ImageGlobe));
  c.push_back(Control(C::btnHelpOrReview, Kind::ImageButton, Box(16, 322 + d, 417, 25), tab++,
                      captions.Of(TCommandId::OnlineHelp), ImageQuestionMark));
  c.push_back(Control(C::btnAboutORV, Kind::ImageButton, Box(16, 354 + d, 417, 25), tab++,
                      captions.Of(TCommandId::AboutOrvilla), ImageInformation));
  c.push_back(Control(C::lblInfo, Kind::Label, Box(16, 400 + d, 417, 33), -1,
                      ReplaceFirst(tr(L"Please purchase %1 to access premium features and help us further "
                                      L"improve this app."),
                                   L"%1", L"Sentaro")));
  c.back().WordWrap = true;
  c.push_back(Control(C::btnAboutSNT, Kind::ImageButton, Box(16, 440 + d, 417, 25), tab++,
                      captions.Of(TCommandId::AboutSentaro), ImageKeyboard));
  // Keeping clear of the text cursor, in the left half of the Close button's row, so that the
  // dialog grows no taller.
  c.push_back(
      Control(C::chkKeepClear, Kind::CheckBox, Box(16, 484 + d, 208, 17), tab++, captions.Of(TCommandId::KeepClear)));
  c.push_back(Control(C::btnClose, Kind::PushButton, Box(358, 480 + d, 75, 25), tab++, tr(L"Close")));
  return plan;
}

int ScaleToDpi(int value, int dpi) { return RoundHalfEven(static_cast<long double>(value) * dpi / 96); }

TRect ScaleBoundsToDpi(const TRect& bounds, int dpi) {
  return {ScaleToDpi(bounds.Left, dpi), ScaleToDpi(bounds.Top, dpi), ScaleToDpi(bounds.Right, dpi),
          ScaleToDpi(bounds.Bottom, dpi)};
}

int FontPixelHeight(int pointSize, int dpi) { return RoundHalfEven(static_cast<long double>(pointSize) * dpi / 72); }

int ButtonImageSize(int dpi) {
  if (2 * dpi < 3 * 96) return 16;
  if (dpi < 2 * 96) return 24;
  return 32;
}

int ListSelection(int number, int itemCount) { return number >= 1 && number <= itemCount ? number - 1 : -1; }

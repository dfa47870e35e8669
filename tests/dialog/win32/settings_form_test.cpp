// The settings dialog's real window and controls, driven through their own notifications, with a
// keyboard window that records what the dialog asks of it.
#include <windows.h>

#include <algorithm>

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "commands/web_links.h"
#include "dialog/settings_dialog_bands.h"
#include "dialog/win32/settings_form.h"
#include "platform/win32/startup_environment.h"

namespace {

using C = TSettingsControl;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr std::uint16_t English = 0x0409;

class TRecordingTarget : public TSettingsTarget {
 public:
  bool enableKeyRepeat = true;
  bool fitWidth = false;
  bool lockSize = true;
  int keyboardType = 3;
  int colorScheme = 7;
  int transparency = 180;
  bool hoverPress = true;
  int hoverTime = 1500;
  bool keepClear = true;
  // The settings of the bands of word suggestions and scanning.
  std::map<TSettingId, int> bands{{TSettingId::WordSuggestions, 1}, {TSettingId::SuggestionSpace, 0},
                                  {TSettingId::LearnWords, 1},      {TSettingId::Scanning, 0},
                                  {TSettingId::ClickSound, 1},      {TSettingId::ScanSound, 0},
                                  {TSettingId::ScanTime, 1200},     {TSettingId::ScanKey, 0x7B}};  // F12
  std::vector<std::wstring> fileLayouts{L"Figures"};
  TRect bounds{100, 300, 600, 500};
  std::vector<std::wstring> calls;

  int SettingValue(TSettingId id) const override {
    switch (id) {
      case TSettingId::EnableKeyRepeat: return enableKeyRepeat;
      case TSettingId::FitWidth: return fitWidth;
      case TSettingId::LockSize: return lockSize;
      case TSettingId::KeyboardType: return keyboardType;
      case TSettingId::ColorScheme: return colorScheme;
      case TSettingId::Transparency: return transparency;
      case TSettingId::HoverPress: return hoverPress;
      case TSettingId::HoverTime: return hoverTime;
      case TSettingId::KeepClear: return keepClear;
      default: return bands.count(id) ? bands.at(id) : 0;
    }
  }
  std::vector<std::wstring> FileLayoutNames() override { return fileLayouts; }
  TRect WindowBounds() const override { return bounds; }

  // Recorded under the name of the apply operation each setting had before the settings table.
  void ApplySetting(TSettingId id, int value) override {
    switch (id) {
      case TSettingId::EnableKeyRepeat: return Record(L"SetEnableKeyRepeat", enableKeyRepeat = value != 0);
      case TSettingId::FitWidth: return Record(L"SetFitWidth", fitWidth = value != 0);
      case TSettingId::LockSize: return Record(L"SetLockSize", lockSize = value != 0);
      case TSettingId::KeyboardType: return Record(L"SetKeyboardType", keyboardType = value);
      case TSettingId::ColorScheme: return Record(L"SetColorScheme", colorScheme = value);
      case TSettingId::Transparency: return Record(L"SetTransparency", transparency = value);
      case TSettingId::HoverPress: return Record(L"SetHoverPress", hoverPress = value != 0);
      case TSettingId::HoverTime: return Record(L"SetHoverTime", hoverTime = value);
      case TSettingId::KeepClear: return Record(L"SetKeepClear", keepClear = value != 0);
      default: return Record(Setting(id).Key, bands[id] = value);
    }
  }
  void RestoreLeftAndWidth(int left, int width) override {
    calls.push_back(L"RestoreLeftAndWidth(" + std::to_wstring(left) + L"," + std::to_wstring(width) + L")");
  }
  void FitAspectCentred(const TRect& area) override {
    calls.push_back(L"FitAspectCentred(" + std::to_wstring(area.Left) + L"," + std::to_wstring(area.Right) + L")");
  }
  void OpenUrl(const std::wstring& url) override { calls.push_back(L"OpenUrl(" + url + L")"); }
  void ForgetLearnedWords() override { calls.push_back(L"ForgetLearnedWords"); }

 private:
  void Record(const wchar_t* name, int value) {
    calls.push_back(std::wstring(name) + L"(" + std::to_wstring(value) + L")");
  }
};

std::wstring WindowText(HWND window) {
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  return text;
}

MSG KeyMessage(HWND window, UINT message, WPARAM key, LPARAM flags) {
  MSG msg{};
  msg.hwnd = window;
  msg.message = message;
  msg.wParam = key;
  msg.lParam = flags;
  return msg;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

TRect ClientBounds(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

class SettingsForm : public testing::Test {
 protected:
  void SetUp() override {
    FOwner = CreateWindowExW(0, L"STATIC", L"keyboard", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(FOwner, nullptr);
    FForm = std::make_unique<TSettingsForm>(FOwner, FTarget, TranslateCommandCaptions(English, L"1.0"), English);
  }
  void TearDown() override {
    FForm.reset();
    DestroyWindow(FOwner);
    PumpMessages();
  }

  HWND Ctl(C control) const { return FForm->Control(control); }
  bool Checked(C control) const { return SendMessageW(Ctl(control), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  int Selection(C control) const { return static_cast<int>(SendMessageW(Ctl(control), LB_GETCURSEL, 0, 0)); }
  int TrackBarPosition() const { return static_cast<int>(SendMessageW(Ctl(C::tbTransparency), TBM_GETPOS, 0, 0)); }
  void Click(C control) {
    SendMessageW(Ctl(control), BM_CLICK, 0, 0);
    PumpMessages();
  }
  // What a click on a list item does: the list selects it and tells the dialog.
  void SelectListItem(C list, int index) {
    SendMessageW(Ctl(list), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(FForm->Handle(), WM_COMMAND, MAKEWPARAM(static_cast<int>(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Ctl(list)));
  }
  // What choosing an item of a drop-down list does: the list selects it and tells the dialog.
  void SelectDropDownItem(C list, int index) {
    SendMessageW(Ctl(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(FForm->Handle(), WM_COMMAND, MAKEWPARAM(static_cast<int>(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Ctl(list)));
  }
  // A key pressed on the control that has the focus, as the message loop would hand it on.
  bool PressKey(WPARAM key) {
    MSG msg = KeyMessage(GetFocus(), WM_KEYDOWN, key, 1);
    const bool handled = FForm->PreTranslateMessage(msg);
    if (!handled) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    PumpMessages();
    return handled;
  }
  void Show() {
    FForm->ShowSettings();
    PumpMessages();
  }

  HWND FOwner = nullptr;
  TRecordingTarget FTarget;
  std::unique_ptr<TSettingsForm> FForm;
};

TEST_F(SettingsForm, CreatedHiddenOwnedTopmostAndBuiltToThePlanAtItsDpi) {
  const HWND dialog = FForm->Handle();
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), FOwner);
  EXPECT_TRUE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongPtrW(dialog, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  wchar_t title[64] = {};
  GetWindowTextW(dialog, title, 64);
  EXPECT_STREQ(title, L"Settings");

  const int dpi = FForm->Dpi();
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, ScaleToDpi(448, dpi));
  EXPECT_EQ(client.bottom, ScaleToDpi(520 + HoverBandHeight + WordBandHeight + ScanBandHeight, dpi));
  const TSettingsDialogPlan plan =
      SettingsDialogPlan(TranslateCommandCaptions(English, L"1.0"), English, FTarget.fileLayouts);
  HWND previous = nullptr;
  for (const auto& c : plan.Controls) {
    SCOPED_TRACE(c.Id());
    const HWND control = Ctl(c.Control);
    ASSERT_NE(control, nullptr);
    // Creation order is the tab order.
    EXPECT_EQ(GetWindow(control, GW_HWNDPREV), previous);
    previous = control;
    EXPECT_EQ((GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0, c.TabOrder >= 0);
    const TRect expected = ScaleBoundsToDpi(c.Bounds, dpi);
    const TRect actual = ClientBounds(control);
    if (c.Kind == TSettingsControlKind::Label && !c.WordWrap) {
      EXPECT_EQ(actual.Left, expected.Left);  // the width follows the text
      EXPECT_EQ(actual.Top, expected.Top);
    } else if (c.Kind == TSettingsControlKind::DropDownList) {
      EXPECT_EQ(actual.Left, expected.Left);  // the closed field's height follows the font
      EXPECT_EQ(actual.Top, expected.Top);
      EXPECT_EQ(actual.Right, expected.Right);
    } else {
      EXPECT_EQ(actual, expected);
    }
    if (c.Kind == TSettingsControlKind::TrackBar) continue;  // it shows no text
    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font));
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
    EXPECT_EQ(font.lfHeight, -FontPixelHeight(8, dpi));
    if (!c.Items.empty()) {
      const bool dropDown = c.Kind == TSettingsControlKind::DropDownList;
      ASSERT_EQ(SendMessageW(control, dropDown ? CB_GETCOUNT : LB_GETCOUNT, 0, 0),
                static_cast<LRESULT>(c.Items.size()));
      wchar_t item[64] = {};
      SendMessageW(control, dropDown ? CB_GETLBTEXT : LB_GETTEXT, c.Items.size() - 1, reinterpret_cast<LPARAM>(item));
      EXPECT_EQ(item, c.Items.back());
    }
  }
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(IDCANCEL, DC_HASDEFID));
}

// The controls are laid out at the DPI of the dialog's monitor where the dialog fits its work
// area at that DPI (the screen here is 1280 x 800), else at the largest smaller DPI that fits; the
// dialog stays inside the work area, and every control is drawn again.
TEST_F(SettingsForm, AMoveToAMonitorOfAnotherDpiRescalesControlsFontAndButtonImages) {
  const TSettingsDialogPlan plan = SettingsDialogPlan(TranslateCommandCaptions(English, L"1.0"), English);
  const struct {
    int Dpi;
    bool Fits;
    int ImageSize;  // where it fits
  } cases[] = {{144, false, 0}, {192, false, 0}, {120, false, 0}, {96, true, 16}};
  Show();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(FForm->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  ASSERT_EQ(monitor.rcWork.bottom - monitor.rcWork.top, 800) << "the tests' screen";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Dpi);
    UpdateWindow(FForm->Handle());
    RECT suggested{50, 60, 50 + ScaleToDpi(454, c.Dpi), 60 + ScaleToDpi(545, c.Dpi)};
    SendMessageW(FForm->Handle(), WM_DPICHANGED, MAKEWPARAM(c.Dpi, c.Dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(FForm->Dpi(), c.Dpi);
    const int layout = FForm->LayoutDpi();
    if (c.Fits) {
      EXPECT_EQ(layout, c.Dpi);
      EXPECT_EQ(FForm->ButtonImageSize(), c.ImageSize);
    } else {
      EXPECT_LT(layout, c.Dpi);
      EXPECT_GT(layout, 96);
    }
    EXPECT_EQ(FForm->ButtonImageSize(), ButtonImageSize(layout));
    RECT window{};
    GetWindowRect(FForm->Handle(), &window);
    EXPECT_EQ(window.left, 50);
    EXPECT_GE(window.top, monitor.rcWork.top);
    EXPECT_LE(window.bottom, monitor.rcWork.bottom);
    // Where the system suggested, or as near to it as the work area allows.
    EXPECT_EQ(window.top, std::min<LONG>(60, monitor.rcWork.bottom - (window.bottom - window.top)));
    for (C control : {C::tbTransparency, C::lbColors, C::btnAboutSNT, C::btnClose, C::lblInfo}) {
      EXPECT_EQ(ClientBounds(Ctl(control)), ScaleBoundsToDpi(plan.Of(control).Bounds, layout));
      EXPECT_TRUE(GetUpdateRect(Ctl(control), nullptr, FALSE)) << static_cast<int>(control) << " not redrawn";
    }
    LOGFONTW font{};
    ASSERT_TRUE(
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Ctl(C::btnClose), WM_GETFONT, 0, 0)), sizeof(font), &font));
    EXPECT_EQ(font.lfHeight, -FontPixelHeight(8, layout));
    EXPECT_EQ(SendMessageW(Ctl(C::lbColors), LB_GETITEMHEIGHT, 0, 0), ScaleToDpi(13, layout));
  }
  EXPECT_THAT(FTarget.calls, IsEmpty());
}

TEST_F(SettingsForm, ShowSettingsFillsTheControlsFromTheKeyboardWindowAndAppliesNothing) {
  Show();
  EXPECT_TRUE(FForm->Visible());
  EXPECT_TRUE(Checked(C::chkEnableKeyRepeat));
  EXPECT_FALSE(Checked(C::chkFitWidth));
  EXPECT_TRUE(Checked(C::chkLockSize));
  EXPECT_EQ(Selection(C::lbKeyboardType), 2);
  EXPECT_EQ(Selection(C::lbColors), 6);
  EXPECT_EQ(TrackBarPosition(), 180);
  EXPECT_EQ(SendMessageW(Ctl(C::tbTransparency), TBM_GETRANGEMIN, 0, 0), 50);
  EXPECT_EQ(SendMessageW(Ctl(C::tbTransparency), TBM_GETRANGEMAX, 0, 0), 255);
  EXPECT_EQ(SendMessageW(Ctl(C::tbTransparency), TBM_GETPAGESIZE, 0, 0), 50);
  EXPECT_TRUE(Checked(C::chkHoverPress));
  EXPECT_EQ(SendMessageW(Ctl(C::tbHoverTime), TBM_GETPOS, 0, 0), 15);
  EXPECT_EQ(SendMessageW(Ctl(C::tbHoverTime), TBM_GETRANGEMIN, 0, 0), 5);
  EXPECT_EQ(SendMessageW(Ctl(C::tbHoverTime), TBM_GETRANGEMAX, 0, 0), 30);
  EXPECT_EQ(WindowText(Ctl(C::lblHoverTimeValue)), L"1.5 s");
  EXPECT_TRUE(Checked(C::chkKeepClear));
  // The bands.
  EXPECT_TRUE(Checked(C::chkWordSuggestions));
  EXPECT_FALSE(Checked(C::chkSuggestionSpace));
  EXPECT_TRUE(Checked(C::chkLearnWords));
  EXPECT_FALSE(Checked(C::chkScanning));
  EXPECT_TRUE(Checked(C::chkClickSound));
  EXPECT_FALSE(Checked(C::chkScanSound));
  EXPECT_EQ(SendMessageW(Ctl(C::cbScanKey), CB_GETCURSEL, 0, 0), 12);  // F12
  EXPECT_EQ(WindowText(Ctl(C::cbScanKey)), L"F12");
  EXPECT_EQ(SendMessageW(Ctl(C::tbScanTime), TBM_GETPOS, 0, 0), 12);
  EXPECT_EQ(SendMessageW(Ctl(C::tbScanTime), TBM_GETRANGEMIN, 0, 0), 5);
  EXPECT_EQ(SendMessageW(Ctl(C::tbScanTime), TBM_GETRANGEMAX, 0, 0), 30);
  EXPECT_EQ(WindowText(Ctl(C::lblScanTimeValue)), L"1.2 s");
  // The layout file is listed after the eight built-in layouts.
  EXPECT_EQ(SendMessageW(Ctl(C::lbKeyboardType), LB_GETCOUNT, 0, 0), 9);
  EXPECT_THAT(FTarget.calls, IsEmpty());
}

TEST_F(SettingsForm, ANumberOutsideAListShowsNoSelection) {
  FTarget.keyboardType = 10;  // eight built-in layouts and one file
  FTarget.colorScheme = 0;
  Show();
  EXPECT_EQ(Selection(C::lbKeyboardType), LB_ERR);
  EXPECT_EQ(Selection(C::lbColors), LB_ERR);
}

TEST_F(SettingsForm, EachControlAppliesItsSettingAtOnce) {
  const struct {
    const char* Name;
    std::function<void()> Act;
    const wchar_t* Expected;
  } cases[] = {
      {"key repeat", [this] { Click(C::chkEnableKeyRepeat); }, L"SetEnableKeyRepeat(0)"},
      {"lock size", [this] { Click(C::chkLockSize); }, L"SetLockSize(0)"},
      {"fit width", [this] { Click(C::chkFitWidth); }, L"SetFitWidth(1)"},
      {"layout", [this] { SelectListItem(C::lbKeyboardType, 5); }, L"SetKeyboardType(6)"},
      {"colours", [this] { SelectListItem(C::lbColors, 0); }, L"SetColorScheme(1)"},
      // Page Down on the track bar: one page (50) up from 180.
      {"opacity", [this] { SendMessageW(Ctl(C::tbTransparency), WM_KEYDOWN, VK_NEXT, 0); }, L"SetTransparency(230)"},
      {"hover", [this] { Click(C::chkHoverPress); }, L"SetHoverPress(0)"},
      {"keep clear", [this] { Click(C::chkKeepClear); }, L"SetKeepClear(0)"},
      {"layout file", [this] { SelectListItem(C::lbKeyboardType, 8); }, L"SetKeyboardType(9)"},
      // Page Down on the hover time: half a second more than 1.5 s.
      {"hover time", [this] { SendMessageW(Ctl(C::tbHoverTime), WM_KEYDOWN, VK_NEXT, 0); }, L"SetHoverTime(2000)"},
      // The bands' switches under their stored keys.
      {"suggestions", [this] { Click(C::chkWordSuggestions); }, L"WordSuggestions(0)"},
      {"space", [this] { Click(C::chkSuggestionSpace); }, L"SuggestionSpace(1)"},
      {"learning", [this] { Click(C::chkLearnWords); }, L"LearnWords(0)"},
      {"scanning", [this] { Click(C::chkScanning); }, L"Scanning(1)"},
      {"click sound", [this] { Click(C::chkClickSound); }, L"ClickSound(0)"},
      {"tick", [this] { Click(C::chkScanSound); }, L"ScanSound(1)"},
      // The switch key by its virtual-key code: Enter, then Space.
      {"switch key", [this] { SelectDropDownItem(C::cbScanKey, 13); }, L"ScanKey(13)"},
      {"switch key Space", [this] { SelectDropDownItem(C::cbScanKey, 0); }, L"ScanKey(32)"},
      // Page Up on the scan time: half a second less than 1.2 s; End: the longest.
      {"scan time", [this] { SendMessageW(Ctl(C::tbScanTime), WM_KEYDOWN, VK_PRIOR, 0); }, L"ScanTime(700)"},
      {"scan time end", [this] { SendMessageW(Ctl(C::tbScanTime), WM_KEYDOWN, VK_END, 0); }, L"ScanTime(3000)"},
  };
  Show();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    FTarget.calls.clear();
    c.Act();
    EXPECT_THAT(FTarget.calls, ElementsAre(c.Expected));
  }
  EXPECT_TRUE(FForm->Visible());
  EXPECT_EQ(WindowText(Ctl(C::lblHoverTimeValue)), L"2.0 s");
  EXPECT_EQ(WindowText(Ctl(C::lblScanTimeValue)), L"3.0 s");
}

TEST_F(SettingsForm, ASecondShowSettingsKeepsTheControlsAsTheyAre) {
  Show();
  SelectListItem(C::lbColors, 1);
  Click(C::chkEnableKeyRepeat);
  // Changes made elsewhere while the dialog is open are not shown...
  FTarget.colorScheme = 9;
  FTarget.enableKeyRepeat = true;
  FTarget.calls.clear();
  Show();
  EXPECT_EQ(Selection(C::lbColors), 1);
  EXPECT_FALSE(Checked(C::chkEnableKeyRepeat));
  EXPECT_THAT(FTarget.calls, IsEmpty());
  // ... but the next opening from hidden shows them.
  FForm->Close();
  Show();
  EXPECT_EQ(Selection(C::lbColors), 8);
  EXPECT_TRUE(Checked(C::chkEnableKeyRepeat));
}

TEST_F(SettingsForm, WhileHiddenNoHandlerActs) {
  Show();
  SendMessageW(FForm->Handle(), WM_CLOSE, 0, 0);  // the title bar's close button hides it
  ASSERT_FALSE(FForm->Visible());
  ASSERT_NE(FForm->Handle(), nullptr);
  SelectListItem(C::lbColors, 3);
  SelectListItem(C::lbKeyboardType, 3);
  SendMessageW(Ctl(C::tbTransparency), WM_KEYDOWN, VK_PRIOR, 0);
  SendMessageW(Ctl(C::tbHoverTime), WM_KEYDOWN, VK_NEXT, 0);
  SendMessageW(Ctl(C::tbScanTime), WM_KEYDOWN, VK_NEXT, 0);
  SelectDropDownItem(C::cbScanKey, 3);
  for (C button : {C::chkEnableKeyRepeat, C::chkFitWidth, C::chkLockSize, C::chkHoverPress, C::btnOnlineKeyboard,
                   C::btnAboutSNT, C::chkWordSuggestions, C::chkScanSound, C::btnForgetWords})
    SendMessageW(FForm->Handle(), WM_COMMAND, MAKEWPARAM(static_cast<int>(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Ctl(button)));
  FForm->SetTrackBarPosition(60);
  PumpMessages();
  EXPECT_THAT(FTarget.calls, IsEmpty());
  EXPECT_NE(TrackBarPosition(), 60);
}

TEST_F(SettingsForm, TheSliderMovesTheTrackBarWithoutApplyingItAgain) {
  Show();
  FForm->SetTrackBarPosition(90);
  PumpMessages();
  EXPECT_EQ(TrackBarPosition(), 90);
  EXPECT_THAT(FTarget.calls, IsEmpty());
  // The next step of the track bar starts from there.
  SendMessageW(Ctl(C::tbTransparency), WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_THAT(FTarget.calls, ElementsAre(L"SetTransparency(140)"));
}

TEST_F(SettingsForm, FitWidthOffReturnsToTheBoundsOfTheOpeningOrFollowsTheAspect) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const std::wstring aspect =
      L"FitAspectCentred(" + std::to_wstring(work.left) + L"," + std::to_wstring(work.right) + L")";
  const struct {
    int Left;
    bool FitWidthAtOpening;
    std::wstring Return;
  } cases[] = {
      {100, false, L"RestoreLeftAndWidth(100,500)"},
      {0, false, aspect},   // a Left of 0 means nothing to go back to
      {100, true, aspect},  // the bounds of Fit width are not where to go back to
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Left);
    FTarget.bounds = {c.Left, 300, c.Left + 500, 500};
    FTarget.fitWidth = c.FitWidthAtOpening;
    Show();
    // Fit width on (when it was off), the window spans the work area meanwhile, then off.
    if (!c.FitWidthAtOpening) Click(C::chkFitWidth);
    FTarget.bounds = {work.left, 300, work.right, 500};
    FTarget.calls.clear();
    Click(C::chkFitWidth);
    EXPECT_THAT(FTarget.calls, ElementsAre(L"SetFitWidth(0)", c.Return));
    FForm->Close();
  }
}

TEST_F(SettingsForm, ButtonsOpenTheirPagesAndTheOnesThatLeaveCloseTheDialog) {
  const bool win10 = IsWin10OrLater;
  IsWin10OrLater = true;
  const struct {
    C Button;
    std::wstring Url;
    bool StaysOpen;
  } cases[] = {
      {C::btnOnlineKeyboard, OnlineKeyboardUrl(English), true}, {C::btnHelpOrReview, OnlineHelpUrl(English), false},
      {C::btnAboutORV, AboutOrvillaUrl(English), false},        {C::btnAboutSNT, AboutSentaroUrl(English), false},
      {C::btnLanguage, L"ms-settings:regionlanguage", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Button));
    Show();
    FTarget.calls.clear();
    Click(c.Button);
    EXPECT_THAT(FTarget.calls, ElementsAre(L"OpenUrl(" + c.Url + L")"));
    EXPECT_EQ(FForm->Visible(), c.StaysOpen);
    FForm->Close();
  }
  IsWin10OrLater = win10;
}

TEST_F(SettingsForm, WorksWithTheKeyboardAlone) {
  Show();
  ASSERT_EQ(GetForegroundWindow(), FForm->Handle());
  EXPECT_EQ(GetFocus(), Ctl(C::tbTransparency));
  EXPECT_TRUE(PressKey(VK_TAB));
  EXPECT_EQ(GetFocus(), Ctl(C::chkEnableKeyRepeat));
  EXPECT_TRUE(PressKey(VK_DOWN));
  EXPECT_EQ(GetFocus(), Ctl(C::chkFitWidth));
  EXPECT_THAT(FTarget.calls, IsEmpty());
  // Space on a check box clicks it.
  MSG down = KeyMessage(GetFocus(), WM_KEYDOWN, VK_SPACE, 1);
  MSG up = KeyMessage(GetFocus(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001u));
  for (MSG* msg : {&down, &up})
    if (!FForm->PreTranslateMessage(*msg)) DispatchMessageW(msg);
  PumpMessages();
  EXPECT_THAT(FTarget.calls, ElementsAre(L"SetFitWidth(1)"));
  // Esc closes it; Enter on a check box presses the default button, Close.
  EXPECT_TRUE(PressKey(VK_ESCAPE));
  EXPECT_FALSE(FForm->Visible());
  Show();
  ASSERT_TRUE(IsChild(FForm->Handle(), GetFocus()));
  EXPECT_TRUE(PressKey(VK_RETURN));
  EXPECT_FALSE(FForm->Visible());
}

TEST_F(SettingsForm, EnterPressesTheFocusedButton) {
  Show();
  SetFocus(Ctl(C::btnOnlineKeyboard));
  FTarget.calls.clear();
  EXPECT_TRUE(PressKey(VK_RETURN));
  EXPECT_THAT(FTarget.calls, ElementsAre(L"OpenUrl(" + OnlineKeyboardUrl(English) + L")"));
  EXPECT_TRUE(FForm->Visible());
}

TEST_F(SettingsForm, ClosingGivesTheForegroundBackToTheWindowThatHadIt) {
  const HWND editor = CreateWindowExW(0, L"STATIC", L"editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(editor, nullptr);
  SetForegroundWindow(editor);
  PumpMessages();
  ASSERT_EQ(GetForegroundWindow(), editor);
  Show();
  EXPECT_EQ(GetForegroundWindow(), FForm->Handle());
  Show();  // opening it again while it is in front changes nothing
  Click(C::btnClose);
  EXPECT_FALSE(FForm->Visible());
  EXPECT_EQ(GetForegroundWindow(), editor);
  // A window that no longer exists is left alone.
  Show();
  DestroyWindow(editor);
  Click(C::btnClose);
  EXPECT_FALSE(FForm->Visible());
}

// The question before the learned words are forgotten, as the message box shows it, and the
// button that answers it. The box is modal: a timer of the test thread answers it from its loop.
struct TQuestionAnswer {
  int Answer = IDNO;
  std::wstring Text;
  int DefaultButton = 0;  // the one button drawn as the default
  bool Asked = false;
};
TQuestionAnswer gQuestion;

BOOL CALLBACK AnswerIfQuestion(HWND window, LPARAM) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (!IsWindowVisible(window) || std::wstring(className) != L"#32770") return TRUE;
  gQuestion.Asked = true;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring text = WindowText(child);
    if (text.find(L"?") != std::wstring::npos) gQuestion.Text = text;
    if ((GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      gQuestion.DefaultButton = GetDlgCtrlID(child);
  }
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(gQuestion.Answer, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, gQuestion.Answer)));
  return FALSE;
}

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerIfQuestion, 0);
  if (gQuestion.Asked) KillTimer(nullptr, timer);
}

TEST_F(SettingsForm, ForgetLearnedWordsForgetsOnlyAfterYesWithNoAsTheDefault) {
  for (int answer : {IDNO, IDYES}) {
    SCOPED_TRACE(answer);
    Show();
    FTarget.calls.clear();
    gQuestion = TQuestionAnswer{};
    gQuestion.Answer = answer;
    SetTimer(nullptr, 0, 50, AnswerTimer);
    Click(C::btnForgetWords);
    ASSERT_TRUE(gQuestion.Asked);
    EXPECT_EQ(gQuestion.Text, L"Forget all the words learned from your typing? This cannot be undone.");
    EXPECT_EQ(gQuestion.DefaultButton, IDNO);
    if (answer == IDYES)
      EXPECT_THAT(FTarget.calls, ElementsAre(L"ForgetLearnedWords"));
    else
      EXPECT_THAT(FTarget.calls, IsEmpty());
    EXPECT_TRUE(FForm->Visible());
  }
}

TEST(ButtonImageList, HoldsThePictureAtItsSizeWithItsTransparency) {
  const TCommonControls library;
  ASSERT_TRUE(library);
  for (int size : {16, 24, 32}) {
    SCOPED_TRACE(size);
    const TArgbImage picture = DrawButtonPicture(TButtonPicture::Globe, size);
    const TImageList list = ButtonImageList(library, TButtonPicture::Globe, size);
    ASSERT_TRUE(list);
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list.Get(), &cx, &cy));
    EXPECT_EQ(cx, size);
    EXPECT_EQ(cy, size);
    EXPECT_EQ(ImageList_GetImageCount(list.Get()), 1);
    // Drawn on white: transparent pixels stay white, opaque ones take the picture's colour.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    TBitmapHandle canvas(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(canvas && bits);
    const TMemoryDc memory(CreateCompatibleDC(nullptr));
    const HDC dc = memory.Get();
    const TSelectedObject selected(dc, canvas.Get());
    RECT all{0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(list.Get(), 0, dc, 0, 0, ILD_NORMAL);
    GdiFlush();
    const auto* drawn = static_cast<const std::uint32_t*>(bits);
    int opaque = 0, clear = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const std::uint32_t want = picture.At(x, y), got = drawn[y * size + x] & 0xFFFFFF;
        if (AlphaOf(want) == 255) {
          ++opaque;
          EXPECT_EQ(got, want & 0xFFFFFF) << x << "," << y;
        } else if (AlphaOf(want) == 0) {
          ++clear;
          EXPECT_EQ(got, 0xFFFFFFu) << x << "," << y;
        }
      }
    EXPECT_GT(opaque, 0);
    EXPECT_GT(clear, 0);
  }
}

}  // namespace

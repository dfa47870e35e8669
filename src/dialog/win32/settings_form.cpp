#include "dialog/win32/settings_form.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "commands/web_links.h"
#include "dialog/dialog_placement.h"
#include "input/win32/foreground_window.h"
#include "platform/debug_log.h"
#include "platform/win32/fatal_error.h"
#include "platform/win32/screen.h"
#include "platform/win32/startup_environment.h"
#include "platform/win32/system_library.h"

namespace {

using C = TSettingsControl;
using Kind = TSettingsControlKind;
using S = TSettingId;

constexpr wchar_t ClassName[] = L"TSettingsForm";
constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
constexpr int ListItemHeight = 13;  // at 96 DPI
constexpr int DropDownItems = 8;    // the items an open drop-down list shows at once
constexpr int ImageMargin = 4;      // between a button's left edge and its picture, at 96 DPI
constexpr wchar_t LanguageSettings[] = L"ms-settings:regionlanguage";

// The work area of the monitor a window is on (the primary one for no window).
TRect WorkAreaOf(HWND window, DWORD fallback) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  const HMONITOR monitor = window ? MonitorFromWindow(window, fallback) : MonitorFromPoint({0, 0}, fallback);
  if (!GetMonitorInfoW(monitor, &info)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

const wchar_t* ControlClass(Kind kind) {
  switch (kind) {
    case Kind::Label: return WC_STATICW;
    case Kind::TrackBar: return TRACKBAR_CLASSW;
    case Kind::ListBox: return WC_LISTBOXW;
    case Kind::DropDownList: return WC_COMBOBOXW;
    default: return WC_BUTTONW;
  }
}

DWORD ControlStyle(const TSettingsControlPlan& c) {
  DWORD style = WS_CHILD | WS_VISIBLE;
  if (c.TabOrder >= 0) style |= WS_TABSTOP;
  // Arrow keys move the focus within a group: the four check boxes, the word band's switches and
  // button, the scan band's first switches, the four buttons of pages and the language, and the
  // last two buttons. A label closes the group before it.
  switch (c.Control) {
    case C::tbTransparency:
    case C::chkEnableKeyRepeat:
    case C::tbHoverTime:
    case C::lbKeyboardType:
    case C::lbColors:
    case C::btnLanguage:
    case C::btnAboutSNT:
    case C::chkWordSuggestions:
    case C::chkScanning:
    case C::cbScanKey:
    case C::tbScanTime: style |= WS_GROUP; break;
    default: break;
  }
  switch (c.Kind) {
    case Kind::Label: return style | WS_GROUP | SS_NOPREFIX | (c.WordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
    case Kind::TrackBar: return style | TBS_HORZ | TBS_NOTICKS;
    case Kind::CheckBox: return style | BS_AUTOCHECKBOX;
    case Kind::ListBox: return style | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    case Kind::DropDownList: return style | CBS_DROPDOWNLIST | WS_VSCROLL;
    case Kind::PushButton:
    case Kind::ImageButton: return style | (c.Control == C::btnClose ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  }
  return style;
}

// The input-language applet of Windows before 10. A failure goes to the debug log only: the
// button has nothing else to show.
void RunInputApplet() {
  const std::wstring folder = SystemFolder();
  if (folder.empty()) {
    Log(L"The system folder is not known: the input-language applet is not run");
    return;
  }
  const TInputAppletCommand command = InputAppletCommand(folder);
  std::wstring commandLine = command.CommandLine;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(command.Program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    Log(L"Could not run " + command.CommandLine);
    return;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

bool IsPushButton(HWND control) {
  wchar_t name[16] = {};
  if (!GetClassNameW(control, name, 16) || lstrcmpiW(name, WC_BUTTONW) != 0) return false;
  const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

TSettingsForm::TSettingsForm(HWND owner, TSettingsTarget& target, const TCommandCaptions& captions,
                             std::uint16_t uiLanguage)
    : FTarget(target),
      FPlan(SettingsDialogPlan(captions, uiLanguage, target.FileLayoutNames())),
      FUiLanguage(uiLanguage) {
  // Without the library there are no track bars.
  if (!FCommonControls) throw std::runtime_error("The settings window could not be created");
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (!GetClassInfoExW(instance, ClassName, &wc)) {
    wc = WNDCLASSEXW{};
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = ClassName;
    RegisterWindowClass(wc);
  }
  // Created on the keyboard window's monitor, so that it starts with that monitor's DPI.
  const TRect area = WorkAreaOf(owner, MONITOR_DEFAULTTOPRIMARY);
  CreateBoundWindow(ExStyle, ClassName, FPlan.Title.c_str(), Style, area.Left, area.Top, 100, 100, owner);
  if (!Handle()) throw std::runtime_error("The settings window could not be created");
  try {
    FormCreate();
  } catch (...) {
    DestroyWindow(Handle());
    throw;
  }
}

TSettingsForm::~TSettingsForm() {
  // The system destroys an owned window with its owner; otherwise it goes here.
  if (Handle()) DestroyWindow(Handle());
}

HWND TSettingsForm::Control(TSettingsControl control) const { return GetDlgItem(Handle(), static_cast<int>(control)); }

bool TSettingsForm::Visible() const { return Handle() && IsWindowVisible(Handle()); }

void TSettingsForm::FormCreate() {
  CreateControls();
  FDpi = WindowPixelsPerInch(Handle());
  Place(WorkAreaOf(Handle(), MONITOR_DEFAULTTONEAREST), std::nullopt);
}

void TSettingsForm::CreateControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const auto& c : FPlan.Controls) {
    const DWORD exStyle = c.Kind == Kind::ListBox ? WS_EX_CLIENTEDGE : 0;
    const HWND control =
        CreateWindowExW(exStyle, ControlClass(c.Kind), c.Text.c_str(), ControlStyle(c), 0, 0, 0, 0, Handle(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.Id())), instance, nullptr);
    if (!control) throw std::runtime_error("A control of the settings window could not be created");
    const UINT addItem = c.Kind == Kind::DropDownList ? CB_ADDSTRING : LB_ADDSTRING;
    for (const auto& item : c.Items) SendMessageW(control, addItem, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (c.Control == C::tbHoverTime || c.Control == C::tbScanTime) {
      // The times' track bars, in tenths of a second.
      const S setting = c.Control == C::tbHoverTime ? S::HoverTime : S::ScanTime;
      const int position = TimeTrackBarPosition(setting, Setting(setting).Default);
      SendMessageW(control, TBM_SETRANGEMIN, FALSE, TimeTrackBarMin(setting));
      SendMessageW(control, TBM_SETRANGEMAX, FALSE, TimeTrackBarMax(setting));
      SendMessageW(control, TBM_SETPAGESIZE, 0, TimeTrackBarPageSize);
      SendMessageW(control, TBM_SETPOS, TRUE, position);
      (setting == S::HoverTime ? FHoverTrackBarPosition : FScanTrackBarPosition) = position;
    } else if (c.Kind == Kind::DropDownList) {
      SendMessageW(control, CB_SETMINVISIBLE, std::min<WPARAM>(c.Items.size(), DropDownItems), 0);
    } else if (c.Kind == Kind::TrackBar) {
      SendMessageW(control, TBM_SETRANGEMIN, FALSE, Setting(S::Transparency).Min);
      SendMessageW(control, TBM_SETRANGEMAX, FALSE, Setting(S::Transparency).Max);
      SendMessageW(control, TBM_SETPAGESIZE, 0, TrackBarPageSize);
      SendMessageW(control, TBM_SETPOS, TRUE, Setting(S::Transparency).Max);
      FTrackBarPosition = Setting(S::Transparency).Max;
    }
    if (!c.Hint.empty()) {
      // The tooltip window belongs to the dialog and goes with it.
      const HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                                           0, Handle(), nullptr, instance, nullptr);
      TOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = Handle();
      tool.uId = reinterpret_cast<UINT_PTR>(control);
      tool.lpszText = const_cast<wchar_t*>(c.Hint.c_str());
      if (tooltip) SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

void TSettingsForm::ApplyLayoutDpi(int dpi) {
  FLayoutDpi = dpi;
  LOGFONTW font{};
  font.lfHeight = -FontPixelHeight(FPlan.FontPointSize, dpi);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(font.lfFaceName, FPlan.FontName.c_str(), LF_FACESIZE);
  TFontHandle newFont(CreateFontIndirectW(&font));
  // Without a font of its own the dialog takes the stock one, which is the system's: never owned,
  // never deleted.
  const HFONT shownFont = newFont ? newFont.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

  const TWindowDc screen = GetScreenDc();
  const TSelectedObject measuringFont(screen.Get(), shownFont);
  for (const auto& c : FPlan.Controls) {
    const HWND control = Control(c.Control);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(shownFont), FALSE);
    TRect r = ScaleBoundsToDpi(c.Bounds, dpi);
    if (c.Kind == Kind::Label && !c.WordWrap) {
      // A label sizes itself to its text, however long the translation.
      SIZE extent{};
      if (GetTextExtentPoint32W(screen.Get(), c.Text.c_str(), static_cast<int>(c.Text.size()), &extent))
        r.Right = r.Left + extent.cx;
    }
    if (c.Kind == Kind::ListBox) SendMessageW(control, LB_SETITEMHEIGHT, 0, ScaleToDpi(ListItemHeight, dpi));
    // A drop-down list's window holds its list when open; the closed field's height follows the font.
    if (c.Kind == Kind::DropDownList) r.Bottom += ScaleToDpi(DropDownItems * ListItemHeight + 2, dpi);
    MoveWindow(control, r.Left, r.Top, r.Width(), r.Height(), FALSE);
  }
  FFont = std::move(newFont);  // the old font goes only once no control uses it (empty with the stock font)
  SetButtonImages();
  // The controls were moved and given the font without drawing: all of them are drawn again.
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSettingsForm::Place(const TRect& workArea, std::optional<TPoint> topLeft) {
  const TDialogPlacement placement = PlaceDialog(FPlan.ClientWidth, FPlan.ClientHeight, FDpi, workArea,
                                                 ToTRect(WindowRectForClient(0, 0, Style, ExStyle, FDpi)), topLeft);
  if (placement.LayoutDpi != FLayoutDpi) ApplyLayoutDpi(placement.LayoutDpi);
  const TRect& w = placement.Window;
  SetWindowPos(Handle(), nullptr, w.Left, w.Top, w.Width(), w.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSettingsForm::PlaceCentred() {
  // A move onto a monitor of another DPI resizes the window: centre it again at its new size.
  for (int attempt = 0; attempt < 2; ++attempt) {
    const HWND owner = GetWindow(Handle(), GW_OWNER);
    const int dpi = FDpi;
    Place(WorkAreaOf(owner, owner ? MONITOR_DEFAULTTONEAREST : MONITOR_DEFAULTTOPRIMARY), std::nullopt);
    if (FDpi == dpi) break;
  }
}

void TSettingsForm::SetButtonImages() {
  const int size = ::ButtonImageSize(FLayoutDpi);
  std::array<TImageList, 4> lists;
  std::size_t k = 0;
  for (const auto& c : FPlan.Controls) {
    if (c.Kind != Kind::ImageButton) continue;
    lists[k] = size == FButtonImageSize && FButtonImages[k]
                   ? std::move(FButtonImages[k])
                   : ButtonImageList(FCommonControls, static_cast<TButtonPicture>(c.ImageIndex), size);
    BUTTON_IMAGELIST images{};
    images.himl = lists[k].Get();
    images.margin = {ScaleToDpi(ImageMargin, FLayoutDpi), 0, 0, 0};
    images.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    // Buttons of the common controls version 6 show the picture; older ones ignore the message.
    if (images.himl) SendMessageW(Control(c.Control), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    ++k;
  }
  FButtonImages = std::move(lists);  // the previous lists go once the buttons no longer use them
  FButtonImageSize = size;
}

void TSettingsForm::FillControls() {
  auto check = [this](C control, bool value) {
    SendMessageW(Control(control), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  };
  check(C::chkEnableKeyRepeat, FTarget.Switch(S::EnableKeyRepeat));
  check(C::chkFitWidth, FTarget.Switch(S::FitWidth));
  check(C::chkLockSize, FTarget.Switch(S::LockSize));
  check(C::chkHoverPress, FTarget.Switch(S::HoverPress));
  check(C::chkKeepClear, FTarget.Switch(S::KeepClear));
  auto select = [this](C control, int number) {
    const int items = static_cast<int>(FPlan.Of(control).Items.size());
    SendMessageW(Control(control), LB_SETCURSEL, static_cast<WPARAM>(ListSelection(number, items)), 0);
  };
  select(C::lbKeyboardType, FTarget.SettingValue(S::KeyboardType));
  select(C::lbColors, FTarget.SettingValue(S::ColorScheme));
  const HWND trackBar = Control(C::tbTransparency);
  SendMessageW(trackBar, TBM_SETRANGEMIN, FALSE, Setting(S::Transparency).Min);
  SendMessageW(trackBar, TBM_SETRANGEMAX, TRUE, Setting(S::Transparency).Max);
  SendMessageW(trackBar, TBM_SETPOS, TRUE, FTarget.SettingValue(S::Transparency));
  FTrackBarPosition = static_cast<int>(SendMessageW(trackBar, TBM_GETPOS, 0, 0));
  SendMessageW(Control(C::tbHoverTime), TBM_SETPOS, TRUE,
               TimeTrackBarPosition(S::HoverTime, FTarget.SettingValue(S::HoverTime)));
  FHoverTrackBarPosition = static_cast<int>(SendMessageW(Control(C::tbHoverTime), TBM_GETPOS, 0, 0));
  ShowHoverTime(TimeOfTrackBarPosition(S::HoverTime, FHoverTrackBarPosition));
  FillBands();
}

void TSettingsForm::ShowHoverTime(int milliseconds) {
  SetWindowTextW(Control(C::lblHoverTimeValue), TimeText(S::HoverTime, milliseconds).c_str());
}

void TSettingsForm::ShowSettings() {
  const HWND foreground = GetForegroundWindow();
  if (foreground && foreground != Handle() && foreground != GetWindow(Handle(), GW_OWNER))
    FPreviousForeground = foreground;
  if (!Visible()) {
    const TRect bounds = FTarget.WindowBounds();
    FSavedLeft = bounds.Left;
    FSavedWidth = bounds.Width();
    FSavedFitWidth = FTarget.Switch(S::FitWidth);
    FillControls();
    if (!FPlaced) {
      PlaceCentred();
      FPlaced = true;
    }
    FFocus = nullptr;  // each opening starts at the first control
    ShowWindow(Handle(), SW_SHOW);
    SetButtonImages();
  }
  // The keyboard window never activates: the dialog takes the foreground itself.
  ForceForegroundWindow(Handle(), true);
}

void TSettingsForm::Close() {
  if (!Visible()) return;
  const HWND previous = std::exchange(FPreviousForeground, nullptr);
  // Typing goes on where it was: the window that had the foreground before gets it back, which
  // also keeps the system from activating the keyboard window when the dialog goes.
  if (GetForegroundWindow() == Handle() && previous && IsWindow(previous) && IsWindowVisible(previous))
    ForceForegroundWindow(previous, false);
  ShowWindow(Handle(), SW_HIDE);
}

void TSettingsForm::SetTrackBarPosition(int position) {
  if (!Visible()) return;
  const HWND trackBar = Control(C::tbTransparency);
  SendMessageW(trackBar, TBM_SETPOS, TRUE, position);  // sends no change notification
  FTrackBarPosition = static_cast<int>(SendMessageW(trackBar, TBM_GETPOS, 0, 0));
}

bool TSettingsForm::PreTranslateMessage(MSG& msg) {
  if (!Visible() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
    // Enter presses the focused push button, else the default button.
    const HWND focus = GetFocus();
    const HWND button = focus && IsChild(Handle(), focus) && IsPushButton(focus) ? focus : Control(FPlan.DefaultButton);
    SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
  }
  return IsDialogMessageW(Handle(), &msg) != FALSE;
}

bool TSettingsForm::Checked(TSettingsControl control) const {
  return SendMessageW(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int TSettingsForm::ListIndex(TSettingsControl control) const {
  return static_cast<int>(SendMessageW(Control(control), LB_GETCURSEL, 0, 0));
}

// --- Control handlers: they act only while the dialog is visible.

void TSettingsForm::chkEnableKeyRepeatClick() {
  FTarget.ApplySetting(S::EnableKeyRepeat, Checked(C::chkEnableKeyRepeat));
}

void TSettingsForm::chkLockSizeClick() { FTarget.ApplySetting(S::LockSize, Checked(C::chkLockSize)); }

void TSettingsForm::chkHoverPressClick() { FTarget.ApplySetting(S::HoverPress, Checked(C::chkHoverPress)); }
void TSettingsForm::chkKeepClearClick() { FTarget.ApplySetting(S::KeepClear, Checked(C::chkKeepClear)); }

void TSettingsForm::tbHoverTimeChange() {
  const int position = static_cast<int>(SendMessageW(Control(C::tbHoverTime), TBM_GETPOS, 0, 0));
  if (position == FHoverTrackBarPosition) return;
  FHoverTrackBarPosition = position;
  const int time = TimeOfTrackBarPosition(S::HoverTime, position);
  ShowHoverTime(time);
  FTarget.ApplySetting(S::HoverTime, time);
}

void TSettingsForm::chkFitWidthClick() {
  const bool value = Checked(C::chkFitWidth);
  FTarget.ApplySetting(S::FitWidth, value);
  if (value) return;
  // Back to where the window was when the dialog opened; not when it spanned the work area then,
  // as that would leave it spanning the width with Fit width off.
  if (FSavedLeft != 0 && !FSavedFitWidth)
    FTarget.RestoreLeftAndWidth(FSavedLeft, FSavedWidth);
  else
    FTarget.FitAspectCentred(WorkAreaOf(Handle(), MONITOR_DEFAULTTONEAREST));
}

void TSettingsForm::lbKeyboardTypeClick() {
  const int index = ListIndex(C::lbKeyboardType);
  if (index >= 0) FTarget.ApplySetting(S::KeyboardType, index + 1);
}

void TSettingsForm::lbColorsClick() {
  const int index = ListIndex(C::lbColors);
  if (index >= 0) FTarget.ApplySetting(S::ColorScheme, index + 1);
}

void TSettingsForm::tbTransparencyChange() {
  const int position = static_cast<int>(SendMessageW(Control(C::tbTransparency), TBM_GETPOS, 0, 0));
  if (position == FTrackBarPosition) return;
  FTrackBarPosition = position;
  FTarget.ApplySetting(S::Transparency, position);
}

void TSettingsForm::btnLanguageClick() {
  Close();
  if (IsWin10OrLater)
    FTarget.OpenUrl(LanguageSettings);
  else
    RunInputApplet();
}

void TSettingsForm::btnOnlineKeyboardClick() { FTarget.OpenUrl(OnlineKeyboardUrl(FUiLanguage)); }

void TSettingsForm::btnHelpOrReviewClick() {
  Close();
  FTarget.OpenUrl(OnlineHelpUrl(FUiLanguage));
}

void TSettingsForm::btnAboutORVClick() {
  Close();
  FTarget.OpenUrl(AboutOrvillaUrl(FUiLanguage));
}

void TSettingsForm::btnAboutSNTClick() {
  Close();
  FTarget.OpenUrl(AboutSentaroUrl(FUiLanguage));
}

void TSettingsForm::btnCloseClick() { Close(); }

void TSettingsForm::OnCommand(int id, int code) {
  if (!Visible()) return;
  switch (static_cast<C>(id)) {
    case C::chkEnableKeyRepeat:
      if (code == BN_CLICKED) chkEnableKeyRepeatClick();
      break;
    case C::chkFitWidth:
      if (code == BN_CLICKED) chkFitWidthClick();
      break;
    case C::chkLockSize:
      if (code == BN_CLICKED) chkLockSizeClick();
      break;
    case C::chkHoverPress:
      if (code == BN_CLICKED) chkHoverPressClick();
      break;
    case C::chkKeepClear:
      if (code == BN_CLICKED) chkKeepClearClick();
      break;
    case C::lbKeyboardType:
      if (code == LBN_SELCHANGE) lbKeyboardTypeClick();
      break;
    case C::lbColors:
      if (code == LBN_SELCHANGE) lbColorsClick();
      break;
    case C::btnLanguage:
      if (code == BN_CLICKED) btnLanguageClick();
      break;
    case C::btnOnlineKeyboard:
      if (code == BN_CLICKED) btnOnlineKeyboardClick();
      break;
    case C::btnHelpOrReview:
      if (code == BN_CLICKED) btnHelpOrReviewClick();
      break;
    case C::btnAboutORV:
      if (code == BN_CLICKED) btnAboutORVClick();
      break;
    case C::btnAboutSNT:
      if (code == BN_CLICKED) btnAboutSNTClick();
      break;
    case C::btnClose:
      if (code == BN_CLICKED) btnCloseClick();
      break;  // also Esc
    default: OnBandCommand(id, code); break;
  }
}

void TSettingsForm::OnActivate(bool active) {
  if (!active) {
    const HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) FFocus = focus;
    return;
  }
  if (FFocus && IsChild(Handle(), FFocus)) {
    SetFocus(FFocus);
    return;
  }
  for (const auto& c : FPlan.Controls)
    if (c.TabOrder == 0) SetFocus(Control(c.Control));
}

// --- The window procedure. The object is bound to its window from WM_NCCREATE to WM_NCDESTROY.

LRESULT TSettingsForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = Handle();
  switch (message) {
    case WM_COMMAND:
      if (lParam)
        OnCommand(LOWORD(wParam), HIWORD(wParam));
      else if (LOWORD(wParam) == IDCANCEL)
        btnCloseClick();  // Esc without a control behind it
      return 0;
    case WM_HSCROLL:
      if (Visible() && reinterpret_cast<HWND>(lParam) == Control(C::tbTransparency)) tbTransparencyChange();
      if (Visible() && reinterpret_cast<HWND>(lParam) == Control(C::tbHoverTime)) tbHoverTimeChange();
      if (Visible() && reinterpret_cast<HWND>(lParam) == Control(C::tbScanTime)) tbScanTimeChange();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Labels, check boxes, the track bar and the buttons' corners on the window colour.
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_NEXTDLGCTL: {
      // The dialog manager's focus moves (arrow keys within a group; Tab where it asks for it).
      const HWND next =
          LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
      if (next && IsChild(window, next)) SetFocus(next);
      return 0;
    }
    case DM_GETDEFID: return MAKELRESULT(static_cast<int>(FPlan.DefaultButton), DC_HASDEFID);
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_DPICHANGED: {
      // Where the system suggests, at the new DPI, kept on the work area of the monitor it is on.
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      FDpi = LOWORD(wParam);
      MONITORINFO info{};
      info.cbSize = sizeof(info);
      const TRect area = GetMonitorInfoW(MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST), &info)
                             ? ToTRect(info.rcWork)
                             : WorkAreaOf(window, MONITOR_DEFAULTTONEAREST);
      Place(area, TPoint{suggested->left, suggested->top});
      return 0;
    }
    case WM_CLOSE: Close(); return 0;
    default: break;
  }
  return DefaultHandling(message, wParam, lParam);
}

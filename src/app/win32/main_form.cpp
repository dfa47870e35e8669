#include "app/win32/main_form.h"

#include <shlobj.h>
#include <windowsx.h>

#include "app/command_captions.h"
#include "app/web_sites.h"
#include "app/win32/window_surface.h"
#include "app/window_rules.h"
#include "app/window_sizing.h"
#include "platform/rounding.h"
#include "platform/debug_log.h"
#include "platform/rounding.h"
#include "platform/win32/lv_lib.h"
#include "render/fonts.h"
#include "render/win32/gdi_canvas.h"
#include "render/win32/theme_win32.h"
#include "app/win32/application.h"
#include "app/win32/fatal_error.h"
#include "app/win32/system_services.h"
#include "input/win32/foreground_window.h"
#include "input/win32/pointer_messages.h"
#include "input/win32/tablet_service.h"
#include "settings/settings_file_choice.h"
#include "settings/win32/app_ini_module.h"
#include "settings/win32/hwnd_placement.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr wchar_t kClassName[] = L"TMainForm";
constexpr DWORD kSizeableStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                 WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
// Design size of the client area at 96 pixels per inch; the real size is set by BuildKeyboard.
constexpr int kDesignClientWidth = 790;
constexpr int kDesignClientHeight = 271;

// Restores a flag to true when a scope ends, also on an error.
struct TFlagRestorer {
  bool& flag;
  ~TFlagRestorer() { flag = true; }
};

// The search for the window that gets the foreground back after a restore from the taskbar.
struct TRestoreSearch {
  HWND Own[2];
  HWND RestoreTarget;
};

// EnumWindows visits the top-level windows from the top of the z-order down; the first one that
// passes ends the search.
BOOL CALLBACK FindRestoreTarget(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TRestoreSearch*>(param);
  WINDOWINFO info{};
  info.cbSize = sizeof(info);
  GetWindowInfo(window, &info);
  HWND owner = GetWindow(window, GW_OWNER);
  TRestoreCandidate candidate;
  candidate.Visible = IsWindowVisible(window) != FALSE;
  candidate.IsOwnWindow = window == search->Own[0] || window == search->Own[1];
  candidate.Iconic = IsIconic(window) != FALSE;
  candidate.ExStyle = info.dwExStyle;
  candidate.HasVisibleOwner = owner && IsWindowVisible(owner);
  if (!IsRestoreTarget(candidate)) return TRUE;
  search->RestoreTarget = window;
  return FALSE;
}

}  // namespace

DWORD TMainForm::CreateParamsExStyle(DWORD formExStyle) {
  return formExStyle | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

TMainForm::TMainForm(HWND owner, TAppIni& appIni) : FAppIni(appIni) {
  MainForm = this;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS | CS_OWNDC;
  wc.lpfnWndProc = &TMainForm::WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.hIconSm = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);

  RECT r{0, 0, kDesignClientWidth, kDesignClientHeight};
  const DWORD exStyle = CreateParamsExStyle(WS_EX_LAYERED);
  AdjustWindowRectEx(&r, kSizeableStyle, FALSE, exStyle);
  CreateWindowExW(exStyle, kClassName, MainCaption(), kSizeableStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  r.right - r.left, r.bottom - r.top, owner, nullptr, wc.hInstance, this);
  // A layered window is invisible until its opacity is set.
  SetLayeredWindowAttributes(FHandle, 0, 255, LWA_ALPHA);
  FormCreate();
}

TMainForm::~TMainForm() {
  if (FHandle) DestroyWindow(FHandle);
  if (MainForm == this) MainForm = nullptr;
}

void TMainForm::FormCreate() {
  Log(L"MainForm");
  ChooseSettingsFile();
  FShown = false;
  FSizingGuard = true;
  FFitWidth = false;
  FLockSize = false;
  FLastWorkAreaWidth = 0;
  FLastWorkAreaHeight = 0;
  FLastMonitor = nullptr;

  FPaintBox = std::make_unique<TWindowSurface>(FHandle);
  FSurfaces = std::make_unique<TGdiSurfaceFactory>();
  FServices = CreateSystemKeyboardServices();
  FInjector = CreateSystemKeyInjector();
  FDesktop = std::make_unique<TProcessKeyboardDesktop>([] { return ScreenPixelsPerInch(); });
  FLegends = CreateKeyLegends(*FServices);
  FKeyboard = std::make_unique<TLvKeyboard>(*FPaintBox, *FSurfaces, *FServices, *FInjector, *FDesktop,
                                            FLegends.get());
  // Nothing is drawn while the window is built: the first showing draws the keyboard.
  FKeyboard->SetPaintEnabled(false);
  auto timerId = [](TInputTimer t) { return t == TInputTimer::tmrPress ? tmrPress : tmrSettings; };
  FInputWindow = std::make_unique<TWin32InputWindow>(
      FHandle, [this, timerId](TInputTimer t, bool on, unsigned ms) { EnableTimer(timerId(t), on, ms); },
      [this, timerId](TInputTimer t) { return TimerEnabled(timerId(t)); });
  // The press state starts with nothing held or latched, a repeat delay of 600 ms and an interval
  // of 20 ms; the pointer filters start with no press seen, and mouse presses are ignored while a
  // pen is in range on Windows builds from 16215 on.
  FKeyPress = std::make_unique<TKeyPress>(*FKeyboard, *FInjector, *FInputWindow);
  FPointer = std::make_unique<TPointerInput>(*FKeyboard, *FKeyPress, *FInputWindow, WindowsBuildNumber);

  FSliderDragging = false;
  FSliderHot = false;

  ChooseLegendFonts();
  FColorScheme = FAppIni.ReadInteger(L"Colors", DefaultColorScheme());
  ApplyColorScheme(FColorScheme);
  FKeyboard->FillKeyNames();
  TranslateCaptions();
  BuildSystemMenu();

  FKeyboardType = FAppIni.ReadInteger(L"Keyboard", 1);
  BuildKeyboard();
  UpdateLegendFontSizes();

  const TRect wa = WorkArea();
  RECT r{};
  GetWindowRect(FHandle, &r);
  const TPoint pos = DefaultWindowPosition(wa, r.right - r.left, r.bottom - r.top);
  SetWindowPos(FHandle, nullptr, pos.x, pos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  SetFitWidth(FAppIni.ReadBool(L"FitWidth", false));
  {
    THwndPlacementWindow placement(FHandle);
    FAppIni.LoadFormPlacement(placement, false);
  }
  SetLockSize(FAppIni.ReadBool(L"LockSize", false));
  UpdateBorder();
  SetTransparency(FAppIni.ReadInteger(L"AlphaBlend", 255));
  SetEnableKeyRepeat(FAppIni.ReadBool(L"EnableKeyRepeat", true));
  ShowFirstRunPage();

  RegisterTouch();
  EnableTimer(tmrCaption, true, 600000);
}

void TMainForm::TranslateCaptions() {
  const TCommandCaptions c = TranslateCommandCaptions(GetUserDefaultUILanguage(), GetAppVersion());
  pmiEnableKeyRepeat.Caption = c.EnableKeyRepeat;
  pmiFitWidth.Caption = c.FitWidth;
  pmiLockSize.Caption = c.LockSize;
  pmiChangeColors.Caption = c.ChangeColors;
  pmiChangeKeyboardType.Caption = c.ChangeKeyboardType;
  pmiOnlineKeyboard.Caption = c.OnlineKeyboard;
  pmiOnlineHelp.Caption = c.OnlineHelp;
  pmiAboutORV.Caption = c.AboutOrvilla;
  pmiAboutSNT.Caption = c.AboutSentaro;
}

void TMainForm::ShowFirstRunPage() {
  if (FirstRunPageDue()) pmiOnlineHelpClick();
}

void TMainForm::RegisterTouch() {
  // FPointer starts with no touch seen, no contact holding a press, and the current tick count.
  if (!IsWin7OrLater) return;
  if (reinterpret_cast<ULONG_PTR>(User32Handle) > 32) {
    auto find = [](const char* name) { return reinterpret_cast<void*>(GetProcAddress(User32Handle, name)); };
    FRegisterTouchWindow = reinterpret_cast<RegisterTouchWindowFn>(find("RegisterTouchWindow"));
    FUnregisterTouchWindow = reinterpret_cast<UnregisterTouchWindowFn>(find("UnregisterTouchWindow"));
    FTouch = TTouchFunctions::Resolve(User32Handle);
    if (FRegisterTouchWindow && FUnregisterTouchWindow && FTouch.Available())
      FRegisterTouchWindow(FHandle, 2 /* TWF_WANTPALM */);
  }
  SetTabletPenServiceProperty(FHandle);
}

void TMainForm::BuildKeyboard() {
  FKeyboard->LoadLayout(FKeyboardType);
  {
    FSizingGuard = false;
    TFlagRestorer restore{FSizingGuard};
    const TSize size = InitialClientSize(FKeyboard->DesignWidth(), FKeyboard->DesignHeight(), WorkArea());
    SetClientSize(size.Width, size.Height);
  }
  FKeyboard->Redraw(false);
}

void TMainForm::UpdateLegendFontSizes() {
  const TLvBtn* escape = FKeyboard->Key(27);
  if (!escape) return;
  ::UpdateLegendFontSizes(escape->GetWidth(), escape->GetHeight(), ScreenPixelsPerInch());
}

void TMainForm::FormResize() {
  if (!FShown) return;
  RECT client{};
  GetClientRect(FHandle, &client);
  FKeyboard->SetImageSize(client.right, client.bottom);
  FKeyboard->ScaleKeys();
  UpdateLegendFontSizes();
  FKeyboard->Redraw(true);
}

void TMainForm::UpdateBorder() {
  // Locked: a single border with the system menu and the minimise button; otherwise sizeable,
  // with the maximise button too. The extended styles stay as they are.
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_STYLE));
  const DWORD wanted = FLockSize ? (style & ~(WS_THICKFRAME | WS_MAXIMIZEBOX)) | WS_SYSMENU | WS_MINIMIZEBOX
                                 : style | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  if (wanted == style) return;
  SetWindowLongPtrW(FHandle, GWL_STYLE, static_cast<LONG_PTR>(wanted));
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A new border brings the system's default system menu back: add the program's items again.
  GetSystemMenu(FHandle, TRUE);
  BuildSystemMenu();
}

void TMainForm::BuildSystemMenu() {}

void TMainForm::SetEnableKeyRepeat(bool value) {
  FEnableKeyRepeat = value;
  pmiEnableKeyRepeat.Checked = value;
  FAppIni.WriteBool(L"EnableKeyRepeat", value);
}

void TMainForm::SetFitWidth(bool value) {
  FFitWidth = value;
  {
    FSizingGuard = false;
    TFlagRestorer restore{FSizingGuard};
    const TRect wa = WorkArea();
    RECT r{};
    GetWindowRect(FHandle, &r);
    if (value) {
      SetWindowPos(FHandle, nullptr, wa.Left, r.top, wa.Width(), r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (FKeyboard->DesignHeight() > 0) {
      RECT client{};
      GetClientRect(FHandle, &client);
      const int clientWidth = RoundHalfEven(static_cast<double>(client.bottom) / FKeyboard->DesignHeight() *
                                            FKeyboard->DesignWidth());
      SetClientSize(clientWidth, client.bottom);
      GetWindowRect(FHandle, &r);
      const int width = r.right - r.left;
      SetWindowPos(FHandle, nullptr, (wa.Left + wa.Right - width) / 2, r.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  pmiFitWidth.Checked = value;
  FAppIni.WriteBool(L"FitWidth", value);
}

void TMainForm::SetLockSize(bool value) {
  FLockSize = value;
  pmiLockSize.Checked = value;
  {
    // The size stored is the one the window had before it was locked.
    THwndPlacementWindow placement(FHandle);
    FAppIni.SaveFormPlacement(placement, false);
  }
  UpdateBorder();
  FAppIni.WriteBool(L"LockSize", value);
}

void TMainForm::SetTransparency(int value) {
  FTransparency = value;
  SetLayeredWindowAttributes(FHandle, 0, static_cast<BYTE>(value & 0xFF), LWA_ALPHA);
  ScheduleLazySave();
}

void TMainForm::ScheduleLazySave() {
  if (!FHandle) return;
  EnableTimer(tmrLazySaveSettings, false, 3000);
  EnableTimer(tmrLazySaveSettings, true, 3000);
}

void TMainForm::pmiOnlineHelpClick() {}

void TMainForm::Show() {
  const bool first = !FShown;
  ShowWindow(FHandle, SW_SHOWNOACTIVATE);
  if (first) FormShow();
}

void TMainForm::FormShow() {
  if (IsWin8OrLater && HasMultiTouchDigitizer()) StopTabletService();
  KeepOnWorkArea(FHandle);
  FKeyboard->SetActive(true);
  // The keys are scaled to the window while painting is still off, so that the keyboard is drawn
  // once, at its final size.
  FShown = true;
  FormResize();
  FKeyboard->SetPaintEnabled(true);
  EnableTimer(tmrHKL, true, 300);
  EnableTimer(tmrCapsLock, true, 1000);
}

void TMainForm::FormClose() {
  if (TabletServiceStopped) StartTabletService();
  FKeyboard->ReleasePressedKeys();
}

void TMainForm::FormDestroy() {
  if (FTimerEnabled[tmrLazySaveSettings]) OnTimer(tmrLazySaveSettings);
  if (FUnregisterTouchWindow) FUnregisterTouchWindow(FHandle);
}

void TMainForm::ApplicationEventsMainMinimize() {
  EnableTimer(tmrHKL, false, 300);
  EnableTimer(tmrCapsLock, false, 1000);
}

void TMainForm::ApplicationEventsMainRestore() {
  // Restoring from the taskbar activated the program: hand the foreground back to the window the
  // user was working in.
  TRestoreSearch search{{FHandle, Application ? Application->Handle() : nullptr}, nullptr};
  EnumWindows(&FindRestoreTarget, reinterpret_cast<LPARAM>(&search));
  if (search.RestoreTarget) ForceForegroundWindow(search.RestoreTarget, true);
  OnTimer(tmrHKL);
  EnableTimer(tmrHKL, true, 300);
  OnTimer(tmrCapsLock);
  EnableTimer(tmrCapsLock, true, 1000);
}

void TMainForm::tmrCaptionTimer() { SetWindowTextW(FHandle, MainCaption()); }

void TMainForm::EnableTimer(TTimerId id, bool enabled, UINT interval) {
  FTimerEnabled[id] = enabled;
  FTimerInterval[id] = interval;
  if (enabled)
    SetTimer(FHandle, id, interval, nullptr);
  else
    KillTimer(FHandle, id);
}

void TMainForm::OnTimer(TTimerId id) {
  switch (id) {
    case tmrCaption:
      tmrCaptionTimer();
      break;
    case tmrLazySaveSettings: {
      EnableTimer(tmrLazySaveSettings, false, 3000);
      FAppIni.WriteInteger(L"AlphaBlend", FTransparency);
      THwndPlacementWindow placement(FHandle);
      FAppIni.SaveFormPlacement(placement, false);
      break;
    }
    case tmrPress:
      FKeyPress->tmrPressTimer(FEnableKeyRepeat);
      break;
    case tmrHKL:
      FKeyPress->tmrHKLTimer();
      break;
    case tmrCapsLock:
      FKeyPress->tmrCapsLockTimer();
      break;
    case tmrSettings:
      tmrSettingsTimer();
      break;
  }
}

void TMainForm::WindowPosChanging(WINDOWPOS& pos) {
  RECT current{};
  GetWindowRect(FHandle, &current);
  const TRect window{current.left, current.top, current.right, current.bottom};

  // The primary monitor's work area decides whether the window stays against the right or bottom
  // edge when the taskbar changes; a position change that a z-order change carried becomes a move.
  RECT primary{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &primary, 0);
  const int w = primary.right - primary.left;
  const int h = primary.bottom - primary.top;
  HMONITOR monitor = MonitorFromWindow(FHandle, MONITOR_DEFAULTTONEAREST);
  const TPoint requested = (pos.flags & SWP_NOMOVE) ? TPoint{window.Left, window.Top} : TPoint{pos.x, pos.y};
  TPoint moved = KeepAgainstWorkAreaEdges(window, requested, FLastWorkAreaWidth, FLastWorkAreaHeight,
                                          monitor == FLastMonitor, w, h);
  FLastWorkAreaWidth = w;
  FLastWorkAreaHeight = h;
  FLastMonitor = monitor;
  if (FFitWidth) moved.x = WorkArea().Left;

  const int newWidth = (pos.flags & SWP_NOSIZE) ? window.Width() : pos.cx;
  const int newHeight = (pos.flags & SWP_NOSIZE) ? window.Height() : pos.cy;
  // Screen snapping, for moves that keep the size.
  if (!(pos.flags & SWP_NOMOVE) && newWidth == window.Width() && newHeight == window.Height())
    moved = SnapToWorkArea({moved.x, moved.y, moved.x + newWidth, moved.y + newHeight}, WorkArea(), 10);
  if (moved != requested || !(pos.flags & SWP_NOMOVE)) {
    pos.x = moved.x;
    pos.y = moved.y;
    if (moved != TPoint{window.Left, window.Top}) pos.flags &= ~SWP_NOMOVE;
  }

  if (!(pos.flags & SWP_NOSIZE) || FFitWidth) {
    const TResizeDecision d =
        FormCanResize(FSizingGuard, FLockSize, FFitWidth, newWidth, newHeight, window.Width(), WorkArea().Width());
    if (!d.Allow) {
      pos.cx = window.Width();
      pos.cy = window.Height();
    } else {
      pos.cx = d.Width;
      pos.cy = newHeight;
      if (d.Width != window.Width()) pos.flags &= ~SWP_NOSIZE;
    }
  }
  ScheduleLazySave();
}

void TMainForm::tmrSettingsTimer() {
  EnableTimer(tmrSettings, false, 100);
  // The settings dialog is not part of the program yet: nothing to show.
}

void TMainForm::HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  const TMessageOrigin origin = CurrentMessageOrigin();
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(FHandle);
      FPointer->pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Left, x, y, origin);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      FPointer->pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Right, x, y, origin);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      FPointer->pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Middle, x, y, origin);
      break;
    case WM_LBUTTONUP:
      if (GetCapture() == FHandle) ReleaseCapture();
      FPointer->pbKeyboardMouseUp(TSender::PaintBox, TMouseButton::Left, x, y, origin);
      break;
    case WM_RBUTTONUP:
      FPointer->pbKeyboardMouseUp(TSender::PaintBox, TMouseButton::Right, x, y, origin);
      break;
    case WM_MBUTTONUP:
      FPointer->pbKeyboardMouseUp(TSender::PaintBox, TMouseButton::Middle, x, y, origin);
      break;
    case WM_MOUSEMOVE: {
      if (!FTrackingMouseLeave) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle, 0};
        FTrackingMouseLeave = TrackMouseEvent(&track) != FALSE;
        FPointer->pbKeyboardMouseEnter(TSender::PaintBox);
      }
      RECT client{};
      GetClientRect(FHandle, &client);
      const bool inside = x >= client.left && x < client.right && y >= client.top && y < client.bottom;
      // While the window is dragged the pointer may run ahead of the window: keep following it.
      if (!inside && GetCapture() == FHandle && !FPointer->Dragging())
        FPointer->pbKeyboardMouseLeave(TSender::PaintBox, origin);
      else
        FPointer->pbKeyboardMouseMove(TSender::PaintBox, x, y, origin);
      break;
    }
    case WM_MOUSELEAVE:
      FTrackingMouseLeave = false;
      FPointer->pbKeyboardMouseLeave(TSender::PaintBox, origin);
      break;
  }
}

TRect TMainForm::WorkArea() const {
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  GetMonitorInfoW(MonitorFromWindow(FHandle, MONITOR_DEFAULTTOPRIMARY), &mi);
  return {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom};
}

void TMainForm::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_EXSTYLE)));
  SetWindowPos(FHandle, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK TMainForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TMainForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->FHandle = window;
  }
  auto* self = reinterpret_cast<TMainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  // Errors must not unwind through the system's frames: a failing command (a settings file that
  // can no longer be written, say) is reported and the program goes on.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    ShowErrorBox(window, error);
    return 0;
  }
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      // A click on a key must leave the focus where it is.
      return MA_NOACTIVATE;
    case WM_TIMER:
      if (wParam >= tmrPress && wParam <= tmrCaption) OnTimer(static_cast<TTimerId>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(FHandle, &ps);
      EndPaint(FHandle, &ps);
      if (FPointer) FPointer->pbKeyboardPaint();
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      if (FPointer) HandleMouseMessage(message, wParam, lParam);
      return 0;
    case WM_TOUCH:
      if (FPointer && FTouch.Available()) {
        HandleTouchMessage(FHandle, wParam, lParam, FTouch, *FPointer, CurrentMessageOrigin());
        return 0;
      }
      break;
    case WM_POINTERENTER:
      if (FPointer) {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(FHandle, &p);
        FPointer->WMPointerEnter(p.x, p.y, CurrentMessageOrigin());
      }
      return 0;
    case WM_POINTERLEAVE:
      if (FPointer) FPointer->WMPointerLeave();
      return 0;
    case WM_WINDOWPOSCHANGING:
      WindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case WM_NCLBUTTONDOWN:
      if (wParam == HTCAPTION || wParam == HTSYSMENU || (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT))
        ForceForegroundWindow(FHandle, true);
      break;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends without WM_CLOSE: no key we pressed may stay down in it.
      if (wParam && FKeyboard) FKeyboard->ReleasePressedKeys();
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) FormResize();
      break;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(FHandle, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      FormResize();
      return 0;
    }
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE && GetWindow(FHandle, GW_OWNER)) {
        // The taskbar button belongs to the application window: minimise the program there.
        ShowWindow(GetWindow(FHandle, GW_OWNER), SW_MINIMIZE);
        return 0;
      }
      break;
    case WM_CLOSE:
      FormClose();
      DestroyWindow(FHandle);
      return 0;
    case WM_DESTROY:
      FormDestroy();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      FHandle = nullptr;
      break;
  }
  return DefWindowProcW(FHandle, message, wParam, lParam);
}

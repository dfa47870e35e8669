#include "app/win32/main_form.h"

#include <windowsx.h>

#include <algorithm>

#include "app/transparency_slider.h"
#include "app/win32/application.h"
#include "app/win32/system_services.h"
#include "app/win32/transparency_panel.h"
#include "app/win32/window_surface.h"
#include "app/window_opacity.h"
#include "app/window_rules.h"
#include "app/window_sizing.h"
#include "commands/web_sites.h"
#include "dialog/win32/settings_form.h"
#include "input/observed_key_injector.h"
#include "input/win32/foreground_window.h"
#include "input/win32/pointer_messages.h"
#include "input/win32/tablet_service.h"
#include "platform/debug_log.h"
#include "platform/scope_exit.h"
#include "platform/win32/fatal_error.h"
#include "platform/win32/program_file.h"
#include "platform/win32/screen.h"
#include "platform/win32/startup_environment.h"
#include "platform/win32/system_library.h"
#include "render/fonts.h"
#include "render/win32/gdi_canvas.h"
#include "render/win32/theme_win32.h"
#include "settings/win32/app_ini_module.h"
#include "settings/win32/hwnd_placement.h"

namespace {

constexpr wchar_t ClassName[] = L"TMainForm";
constexpr DWORD SizeableStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
// Design size of the client area at 96 pixels per inch; the real size is set by BuildKeyboard.
constexpr int DesignClientWidth = 790;
constexpr int DesignClientHeight = 271;

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

DWORD TMainForm::CreateParamsExStyle(DWORD formExStyle) { return formExStyle | WS_EX_TOPMOST | WS_EX_NOACTIVATE; }

TMainForm::TMainForm(HWND owner, TAppIni& appIni) : FAppIni(appIni) {
  WNDCLASSEXW wc{};
  wc.style = CS_DBLCLKS | CS_OWNDC;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.hIconSm = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;
  wc.lpszClassName = ClassName;
  RegisterWindowClass(wc);

  RECT r{0, 0, DesignClientWidth, DesignClientHeight};
  // Not layered: the stored opacity makes it layered when it is below 255 (TransparencyApplied), and
  // taking the style off again costs the start a redraw of the hidden window.
  const DWORD exStyle = CreateParamsExStyle(0);
  AdjustWindowRectEx(&r, SizeableStyle, FALSE, exStyle);
  CreateBoundWindow(exStyle, ClassName, MainCaption(), SizeableStyle, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                    r.bottom - r.top, owner);
  // An error while the window is built (a settings file that cannot be written, say) is shown in
  // the standard error box, and the keyboard runs with what was built. One that struck before the
  // keyboard existed ends the program: the caller shows it, and the window base takes the window
  // down with it.
  try {
    FormCreate();
  } catch (const std::exception& error) {
    if (!FKeyboard || !FKeyPress || !FPointer) throw;
    ShowErrorBox(Handle(), error);
  }
}

TMainForm::~TMainForm() {
  // Destroyed while the object is whole, so that FormDestroy still runs; the dialog it owns first.
  FSettingsForm.reset();
  if (Handle()) DestroyWindow(Handle());
}

void TMainForm::FormCreate() {
  Log(L"MainForm");
  FDpi = WindowPixelsPerInch(Handle());
  ChooseSettingsFile(FAppIni);
  // The settings are read in one go: the file once, not once for each of them.
  FAppIni.BeginReadBatch();
  TScopeExit endReadBatch([this] { FAppIni.EndReadBatch(); });
  FShown = false;
  FSizingGuard = true;
  FLastWorkAreaWidth = 0;
  FLastWorkAreaHeight = 0;
  FLastMonitor = nullptr;

  BuildObjects();

  ChooseLegendFonts();
  FSettings.Load(TSettingId::ColorScheme, FAppIni.Read(TSettingId::ColorScheme, DefaultColorScheme()));
  ApplyColorScheme(Value(TSettingId::ColorScheme));
  FKeyboard->FillKeyNames();
  TranslateCaptions();
  BuildSystemMenu();

  FSettings.Load(TSettingId::KeyboardType, StoredKeyboardType());
  BuildKeyboard();
  UpdateLegendFontSizes();

  const TRect window = WindowRect(Handle());
  const TPoint pos = DefaultWindowPosition(WorkArea(), window.Width(), window.Height());
  SetWindowPos(Handle(), nullptr, pos.x, pos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  ApplyStoredSettings();
  ShowFirstRunPage();

  RegisterTouch();
  EnableTimer(tmrCaption, true, 600000);
}

void TMainForm::RegisterTouch() {
  // FPointer starts with no touch seen, no contact holding a press, and the current tick count.
  if (!IsWin7OrLater) return;
  if (reinterpret_cast<ULONG_PTR>(User32Handle) > 32) {
    FRegisterTouchWindow = ModuleFunction<RegisterTouchWindowFn>(User32Handle, "RegisterTouchWindow");
    FUnregisterTouchWindow = ModuleFunction<UnregisterTouchWindowFn>(User32Handle, "UnregisterTouchWindow");
    FTouch = TTouchFunctions::Resolve(User32Handle);
    if (FRegisterTouchWindow && FUnregisterTouchWindow && FTouch.Available())
      FRegisterTouchWindow(Handle(), 2 /* TWF_WANTPALM */);
  }
  SetTabletPenServiceProperty(Handle());
}

void TMainForm::BuildKeyboard() {
  // The key objects are replaced: no hook or timer may reach the old ones.
  TellFeatures(&TKeyboardFeature::OnKeysHidden);
  LoadKeyboardLayout();
  // The slider's visibility follows the stored number, not the layout it loaded.
  pnlTransparency->SetVisible(TransparencySliderVisible(Value(TSettingId::KeyboardType)));
  {
    FSizingGuard = false;
    TScopeExit restore([this] { FSizingGuard = true; });
    const TSize size = InitialClientSize(FKeyboard->DesignWidth(), FKeyboard->DesignHeight(), WorkArea());
    SetClientSize(size.Width, ClientHeightForKeys(size.Height));
  }
  FKeyboard->Redraw(false);
  TellFeatures(&TKeyboardFeature::OnKeysShown);
}

void TMainForm::UpdateLegendFontSizes() {
  const TLvBtn* reference = FKeyboard->LegendSizeKey();
  if (!reference) return;
  ::UpdateLegendFontSizes(reference->GetWidth(), reference->GetHeight(), ScreenPixelsPerInch());
}

void TMainForm::FormResize() {
  if (!FShown) return;
  TellFeatures(&TKeyboardFeature::OnResize);  // the suggestion row first: the keys take the rest
  const TRect keys = KeyArea();
  FPaintBox->SetTop(keys.Top);
  FKeyboard->SetImageSize(keys.Width(), keys.Height());
  FKeyboard->ScaleKeys();
  UpdateLegendFontSizes();
  FKeyboard->Redraw(true);
  PlaceTransparencyPanel();
  FHover->SetTolerance(HoverTolerance(FDpi));
  TellFeatures(&TKeyboardFeature::OnKeysPlaced);
}

void TMainForm::PlaceTransparencyPanel() {
  const int top = KeyArea().Top;
  const TKeyBoxOf keyBox = [this, top](std::uint8_t code) {
    const TLvBtn* key = FKeyboard->Key(code);
    return key ? TKeyBox{key->GetLeft(), top + key->GetTop(), key->GetWidth(), key->GetHeight()} : TKeyBox{};
  };
  pnlTransparency->Place(TransparencyPanelBounds(Value(TSettingId::KeyboardType), keyBox), FDpi);
}

void TMainForm::Show() {
  const bool first = !FShown;
  // A stored maximised state is applied here, never by activating the window.
  if (first && IsZoomed(Handle()))
    ShowMaximizedWithoutActivation(Handle());
  else
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  if (first) FormShow();
}

void TMainForm::FormShow() {
  if (IsWin8OrLater && HasMultiTouchDigitizer()) StopTabletService();
  KeepOnWorkArea(Handle());
  FKeyboard->SetActive(true);
  // The keys are scaled to the window while painting is still off, so that the keyboard is drawn
  // once, at its final size.
  FShown = true;
  FormResize();
  FKeyboard->SetPaintEnabled(true);
  EnableTimer(tmrHKL, true, 300);
  EnableTimer(tmrCapsLock, true, 1000);
  StartLegendsFill();
  TellFeatures(&TKeyboardFeature::OnKeysShown);
}

TRect TMainForm::KeyArea() const {
  const TRect client = ClientRect(Handle());
  return FWordSuggestions ? FWordSuggestions->KeyArea(client) : client;
}

int TMainForm::ClientHeightForKeys(int keysHeight) const {
  return FWordSuggestions ? FWordSuggestions->ClientHeight(keysHeight) : keysHeight;
}

void TMainForm::FormClose() {
  if (TabletServiceStopped) StartTabletService();
  StopHoverCheck();
  TellFeatures(&TKeyboardFeature::OnClose);
  ReleaseAllKeys();
}

void TMainForm::FormDestroy() {
  FClosing = true;
  TellFeatures(&TKeyboardFeature::OnClose);
  ReleaseAllKeys();
  if (FUnregisterTouchWindow) FUnregisterTouchWindow(Handle());
  if (FTimerEnabled[tmrLazySaveSettings]) OnTimer(tmrLazySaveSettings);
  TellFeatures(&TKeyboardFeature::OnSave);
}

void TMainForm::ReleaseAllKeys() {
  if (FKeyPress) FKeyPress->ReleaseKeys();
  if (FKeyboard) FKeyboard->ReleasePressedKeys();
}

void TMainForm::ApplicationEventsMainMinimize() {
  StopHoverCheck();
  TellFeatures(&TKeyboardFeature::OnKeysHidden);
  EnableTimer(tmrHKL, false, 300);
  EnableTimer(tmrCapsLock, false, 1000);
}

void TMainForm::ApplicationEventsMainRestore() {
  // Restoring from the taskbar activated the program: hand the foreground back to the window the
  // user was working in.
  TRestoreSearch search{{Handle(), Application ? Application->Handle() : nullptr}, nullptr};
  EnumWindows(&FindRestoreTarget, reinterpret_cast<LPARAM>(&search));
  if (search.RestoreTarget) ForceForegroundWindow(search.RestoreTarget, true);
  OnTimer(tmrHKL);
  EnableTimer(tmrHKL, true, 300);
  OnTimer(tmrCapsLock);
  EnableTimer(tmrCapsLock, true, 1000);
  TellFeatures(&TKeyboardFeature::OnKeysShown);
}

void TMainForm::tmrCaptionTimer() { SetWindowTextW(Handle(), MainCaption()); }

void TMainForm::EnableTimer(TTimerId id, bool enabled, UINT interval) {
  FTimerEnabled[id] = enabled;
  if (enabled)
    SetTimer(Handle(), id, interval, nullptr);
  else
    KillTimer(Handle(), id);
}

void TMainForm::OnTimer(TTimerId id) {
  switch (id) {
    case tmrCaption: tmrCaptionTimer(); break;
    case tmrLazySaveSettings: {
      EnableTimer(tmrLazySaveSettings, false, 3000);
      FSettings.SaveLazy();
      TellFeatures(&TKeyboardFeature::OnSave);
      SavePlacement();
      break;
    }
    case tmrPress: FKeyPress->tmrPressTimer(On(TSettingId::EnableKeyRepeat)); break;
    case tmrHKL: {
      const THkl shown = FKeyboard->Hkl();
      FKeyPress->tmrHKLTimer();
      const bool changed = FKeyboard->Hkl() != shown;
      if (changed) StartLegendsFill();  // a new language's table may be partial
      TellFeatures(&TKeyboardFeature::OnLanguageChecked, changed);
      if (On(TSettingId::KeepClear)) KeepClearOfCaret();
      break;
    }
    case tmrCapsLock: FKeyPress->tmrCapsLockTimer(); break;
    case tmrSettings:
      // The Apps key asks for the settings dialog through this timer.
      RunCommand(TCommandId::Settings);
      break;
    case tmrHover: tmrHoverTimer(); break;
    case tmrLegends:
      if (!FKeyboard->FillPendingLegends()) EnableTimer(tmrLegends, false, LegendsFillInterval);
      break;
    default:  // the features' own
      for (TKeyboardFeature* feature : FFeatures)
        if (feature->OnTimer(id)) break;
      break;
  }
}

void TMainForm::StartLegendsFill() {
  if (!FTimerEnabled[tmrLegends]) EnableTimer(tmrLegends, true, LegendsFillInterval);
}

void TMainForm::StartHoverCheck() {
  if (On(TSettingId::HoverPress) && !FTimerEnabled[tmrHover]) EnableTimer(tmrHover, true, HoverCheckInterval);
}

void TMainForm::StopHoverCheck() {
  if (FTimerEnabled[tmrHover]) EnableTimer(tmrHover, false, HoverCheckInterval);
  if (FHover) FHover->Stop();
}

THoverSample TMainForm::HoverSample() const {
  THoverSample sample;
  POINT cursor{};
  if (!IsWindowVisible(Handle()) || IsIconic(Handle()) || !GetCursorPos(&cursor)) return sample;
  const HWND under = WindowFromPoint(cursor);
  POINT client = cursor;
  ScreenToClient(Handle(), &client);
  const TRect area = KeyArea();
  sample.Point = {client.x, client.y - area.Top};  // in the keys' area
  if (pnlTransparency && under == pnlTransparency->Handle()) {
    sample.Place = THoverPlace::Slider;
  } else {
    // Another window over the keyboard (the suggestion row too), the title bar and the border are
    // not the keys.
    if (under != Handle() || client.x < area.Left || client.x >= area.Right || client.y < area.Top ||
        client.y >= area.Bottom)
      return sample;
    sample.Code = FKeyboard->KeyAt(sample.Point.x, sample.Point.y);
    sample.Place = sample.Code ? THoverPlace::Key : THoverPlace::Background;
  }
  sample.ButtonDown =
      ((GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON) | GetAsyncKeyState(VK_MBUTTON)) & 0x8000) != 0;
  sample.PenOrTouch =
      FPointer->PointerInRange() || FLastMoveFromPenOrTouch ||
      (FPointer->TouchActive() &&
       static_cast<std::uint32_t>(GetTickCount() - FPointer->LastTouchTick()) < TPointerInput::TouchQuietTime);
  return sample;
}

void TMainForm::tmrHoverTimer() {
  const THoverSample sample = HoverSample();
  FHover->Check(GetTickCount(), sample);
  // With nothing to time (off the keyboard, on the background, on a key already typed) the check
  // rests; the pointer's next move onto another key starts it again.
  if (FHover->Idle()) EnableTimer(tmrHover, false, HoverCheckInterval);
}

void TMainForm::WindowPosChanging(WINDOWPOS& pos) {
  const TRect window = WindowRect(Handle());
  // Asked once: each asking is a trip to the system, and the start makes several moves.
  const TRect workArea = WorkArea();

  // The primary monitor's work area decides whether the window stays against the right or bottom
  // edge when the taskbar changes; a position change that a z-order change carried becomes a move.
  const TRect primary = PrimaryWorkArea();
  const int w = primary.Width();
  const int h = primary.Height();
  HMONITOR monitor = MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST);
  const TPoint requested = (pos.flags & SWP_NOMOVE) ? TPoint{window.Left, window.Top} : TPoint{pos.x, pos.y};
  TPoint moved = KeepAgainstWorkAreaEdges(window, requested, FLastWorkAreaWidth, FLastWorkAreaHeight,
                                          monitor == FLastMonitor, w, h);
  FLastWorkAreaWidth = w;
  FLastWorkAreaHeight = h;
  FLastMonitor = monitor;
  if (On(TSettingId::FitWidth)) moved.x = workArea.Left;

  const int newWidth = (pos.flags & SWP_NOSIZE) ? window.Width() : pos.cx;
  const int newHeight = (pos.flags & SWP_NOSIZE) ? window.Height() : pos.cy;
  // Screen snapping, for moves that keep the size.
  if (!(pos.flags & SWP_NOMOVE) && newWidth == window.Width() && newHeight == window.Height())
    moved = SnapToWorkArea({moved.x, moved.y, moved.x + newWidth, moved.y + newHeight}, workArea, 10);
  if (moved != requested || !(pos.flags & SWP_NOMOVE)) {
    pos.x = moved.x;
    pos.y = moved.y;
    if (moved != TPoint{window.Left, window.Top}) pos.flags &= ~SWP_NOMOVE;
  }

  if (!(pos.flags & SWP_NOSIZE) || On(TSettingId::FitWidth)) {
    const TResizeDecision d = FormCanResize(FSizingGuard, On(TSettingId::LockSize), On(TSettingId::FitWidth), newWidth,
                                            newHeight, window.Width(), workArea.Width());
    if (!d.Allow) {
      pos.cx = window.Width();
      pos.cy = window.Height();
    } else {
      pos.cx = d.Width;
      pos.cy = newHeight;
      if (d.Width != window.Width()) pos.flags &= ~SWP_NOSIZE;
    }
  }
  // Only a real change of place or size is stored; hiding and destroying the window are not.
  const bool moves = !(pos.flags & SWP_NOMOVE) && (pos.x != window.Left || pos.y != window.Top);
  const bool sizes = !(pos.flags & SWP_NOSIZE) && (pos.cx != window.Width() || pos.cy != window.Height());
  if (!FClosing && (moves || sizes)) ScheduleLazySave();
}

void TMainForm::HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // In the keys' area, below the suggestion row.
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam) - KeyArea().Top;
  const TMessageOrigin origin = CurrentMessageOrigin();
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(Handle());
      FPointer->pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Left, x, y, origin);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: FPointer->pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Right, x, y, origin); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: FPointer->pbKeyboardMouseDown(TSender::PaintBox, TMouseButton::Middle, x, y, origin); break;
    case WM_LBUTTONUP:
      FPointer->pbKeyboardMouseUp(TSender::PaintBox, TMouseButton::Left, x, y, origin);
      if (GetCapture() == Handle()) {
        // Our own release of the capture is no loss of it.
        FReleasingCapture = true;
        ReleaseCapture();
        FReleasingCapture = false;
      }
      break;
    case WM_RBUTTONUP: FPointer->pbKeyboardMouseUp(TSender::PaintBox, TMouseButton::Right, x, y, origin); break;
    case WM_MBUTTONUP: FPointer->pbKeyboardMouseUp(TSender::PaintBox, TMouseButton::Middle, x, y, origin); break;
    case WM_MOUSEMOVE: OnMouseMove(x, y, origin); break;
    case WM_MOUSELEAVE:
      FTrackingMouseLeave = false;
      // The visit ends with the pointer leaving, even while the check rests.
      if (On(TSettingId::HoverPress)) tmrHoverTimer();
      FPointer->pbKeyboardMouseLeave(TSender::PaintBox, origin);
      break;
  }
}

void TMainForm::OnMouseMove(int x, int y, const TMessageOrigin& origin) {
  FLastMoveFromPenOrTouch = origin.Pen || origin.Touch;
  if (FHover->NeedsCheck(FKeyboard->KeyAt(x, y))) StartHoverCheck();
  if (!FTrackingMouseLeave) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    FTrackingMouseLeave = TrackMouseEvent(&track) != FALSE;
    FPointer->pbKeyboardMouseEnter(TSender::PaintBox);
  }
  const TRect keys = KeyArea();
  const bool inside = x >= 0 && x < keys.Width() && y >= 0 && y < keys.Height();
  // While the window is dragged the pointer may run ahead of the window: keep following it.
  if (!inside && GetCapture() == Handle() && !FPointer->Dragging())
    FPointer->pbKeyboardMouseLeave(TSender::PaintBox, origin);
  else
    FPointer->pbKeyboardMouseMove(TSender::PaintBox, x, y, origin);
}

TRect TMainForm::WorkArea() const { return MonitorWorkArea(Handle(), MONITOR_DEFAULTTOPRIMARY); }

void TMainForm::SetClientSize(int width, int height) {
  // The frame at the window's own DPI: its caption and borders are that size on its monitor.
  const RECT r = WindowRectForClient(width, height, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)),
                                     static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), FDpi);
  // A size the window has already makes no resize (each costs the sizing rules and, under Wine, a
  // trip to the X server); the rules would keep it as it is.
  const TRect window = WindowRect(Handle());
  if (window.Width() == r.right - r.left && window.Height() == r.bottom - r.top) return;
  SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The features first: while scanning, a mouse button is the switch, not a click.
  for (TKeyboardFeature* feature : FFeatures)
    if (const std::optional<LRESULT> result = feature->OnMessage(message, wParam, lParam)) return *result;
  if (const std::optional<LRESULT> result = OnInputMessage(message, wParam, lParam)) return *result;
  if (const std::optional<LRESULT> result = OnWindowMessage(message, wParam, lParam)) return *result;
  return DefaultHandling(message, wParam, lParam);
}

std::optional<LRESULT> TMainForm::OnInputMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      // A click on a key must leave the focus where it is.
      return MA_NOACTIVATE;
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
      if (OnTouch(wParam, lParam)) return 0;
      break;
    case WM_POINTERENTER: return OnPointerEnter(lParam);
    case WM_POINTERLEAVE:
      if (FPointer) FPointer->WMPointerLeave();
      return 0;
    case WM_CAPTURECHANGED: return OnCaptureChanged(lParam);
    case WM_CANCELMODE:  // a modal box or a menu is opening: no press may outlive it
      if (FPointer) FPointer->CaptureLost();
      break;
  }
  return std::nullopt;
}

std::optional<LRESULT> TMainForm::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam >= tmrPress && wParam <= tmrLast) OnTimer(static_cast<TTimerId>(wParam));
      return 0;
    case MakeSettingsFormMessage: MakeSettingsForm(false); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return OnPaint();
    case WM_WINDOWPOSCHANGING: WindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam)); break;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE: FMovingOrSizing = message == WM_ENTERSIZEMOVE; break;
    case WM_NCLBUTTONDOWN: OnNonClientButtonDown(wParam); break;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: return OnEndSession(wParam);
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) FormResize();
      break;
    case WM_DPICHANGED: return OnDpiChanged(wParam, lParam);
    case WM_SYSCOMMAND:
      if (OnSysCommand(wParam)) return 0;
      break;
    case WM_CLOSE:
      FormClose();
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY: return OnDestroy();
  }
  return std::nullopt;
}

LRESULT TMainForm::OnPaint() {
  { const TPaintDc validated(Handle()); }  // the keyboard draws itself on the window's DC
  if (FPointer) FPointer->pbKeyboardPaint();
  return 0;
}

bool TMainForm::OnTouch(WPARAM wParam, LPARAM lParam) {
  if (!FPointer || !FTouch.Available()) return false;
  HandleTouchMessage(Handle(), KeyArea().Top, wParam, lParam, FTouch, *FPointer, CurrentMessageOrigin());
  return true;
}

LRESULT TMainForm::OnPointerEnter(LPARAM lParam) {
  if (FPointer) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(Handle(), &p);
    FPointer->WMPointerEnter(p.x, p.y - KeyArea().Top, CurrentMessageOrigin());
  }
  return 0;
}

void TMainForm::OnNonClientButtonDown(WPARAM hitTest) {
  if (hitTest == HTCAPTION || hitTest == HTSYSMENU || (hitTest >= HTLEFT && hitTest <= HTBOTTOMRIGHT))
    ForceForegroundWindow(Handle(), true);
}

LRESULT TMainForm::OnCaptureChanged(LPARAM lParam) {
  // Another window took the mouse: the button-up will never come here.
  if (FPointer && !FReleasingCapture && reinterpret_cast<HWND>(lParam) != Handle()) FPointer->CaptureLost();
  return 0;
}

LRESULT TMainForm::OnEndSession(WPARAM ending) {
  // The session ends without WM_CLOSE: no key we pressed may stay down in it, and a change of
  // place from the last seconds is stored now. Nobody is there to read an error box.
  if (!ending) return 0;
  ReleaseAllKeys();
  if (FTimerEnabled[tmrLazySaveSettings]) {
    try {
      OnTimer(tmrLazySaveSettings);
    } catch (const std::exception& error) {
      Log(L"Settings not saved at the end of the session: " + ErrorText(error));
    }
  }
  return 0;
}

LRESULT TMainForm::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  // On a monitor of another DPI: the slider, the hover tolerance and the sizes that follow
  // take the new DPI, and the whole window is drawn again at it.
  FDpi = LOWORD(wParam);
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  FormResize();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  return 0;
}

bool TMainForm::OnSysCommand(WPARAM wParam) {
  TCommandId command;
  if (CommandOfSysCommand(wParam, command)) {
    RunCommand(command);
    return true;
  }
  if ((wParam & 0xFFF0) == SC_MINIMIZE && GetWindow(Handle(), GW_OWNER)) {
    // The taskbar button belongs to the application window: minimise the program there.
    ShowWindow(GetWindow(Handle(), GW_OWNER), SW_MINIMIZE);
    return true;
  }
  return false;
}

LRESULT TMainForm::OnDestroy() {
  // The program ends with this window whatever happens here: a save that fails is reported
  // once, and the message loop is told to end all the same.
  try {
    FormDestroy();
  } catch (const std::exception& error) {
    ShowErrorBox(nullptr, error);
  }
  PostQuitMessage(0);
  return 0;
}

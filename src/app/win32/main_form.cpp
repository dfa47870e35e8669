#include "app/win32/main_form.h"

#include "app/web_sites.h"
#include "app/window_sizing.h"
#include "platform/debug_log.h"
#include "platform/win32/lv_lib.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr wchar_t kClassName[] = L"TMainForm";
constexpr DWORD kSizeableStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                 WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
// Design size of the client area at 96 pixels per inch; the real size is set by BuildKeyboard.
constexpr int kDesignClientWidth = 790;
constexpr int kDesignClientHeight = 271;

}  // namespace

DWORD TMainForm::CreateParamsExStyle(DWORD formExStyle) {
  return formExStyle | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

TMainForm::TMainForm(HWND owner) {
  MainForm = this;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
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
  FShown = false;
  FSizingGuard = true;
  FFitWidth = false;
  FLockSize = false;
  FLastWorkAreaWidth = 0;
  FLastWorkAreaHeight = 0;
  FLastMonitor = nullptr;
  FDragOrigin = {-10000, -10000};

  FSliderDragging = false;
  FSliderHot = false;
  FLastDownX = 2147483647;
  FLastDownY = 2147483647;
  FIgnoreMouseUp = false;
  FPointerInRange = false;
  FFilterInRangeMouse = WindowsBuildNumber >= 16215;
  FRepeatDelay = 600;
  FRepeatInterval = 20;

  BuildKeyboard();
  const TRect wa = WorkArea();
  RECT r{};
  GetWindowRect(FHandle, &r);
  const TPoint pos = DefaultWindowPosition(wa, r.right - r.left, r.bottom - r.top);
  SetWindowPos(FHandle, nullptr, pos.x, pos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  RegisterTouch();
  EnableTimer(tmrCaption, true, 600000);
}

void TMainForm::RegisterTouch() {
  FTouchActive = false;
  FTouchId = -1;
  FLastTouchTick = GetTickCount();
  if (!IsWin7OrLater) return;
  if (reinterpret_cast<ULONG_PTR>(User32Handle) > 32) {
    auto find = [](const char* name) { return reinterpret_cast<void*>(GetProcAddress(User32Handle, name)); };
    FRegisterTouchWindow = reinterpret_cast<RegisterTouchWindowFn>(find("RegisterTouchWindow"));
    FUnregisterTouchWindow = reinterpret_cast<UnregisterTouchWindowFn>(find("UnregisterTouchWindow"));
    FGetTouchInputInfo = find("GetTouchInputInfo");
    FCloseTouchInputHandle = find("CloseTouchInputHandle");
    FPhysicalToLogicalPoint = find("PhysicalToLogicalPoint");
    if (FRegisterTouchWindow && FUnregisterTouchWindow && FGetTouchInputInfo && FCloseTouchInputHandle &&
        FPhysicalToLogicalPoint)
      FRegisterTouchWindow(FHandle, 2 /* TWF_WANTPALM */);
  }
  SetTabletPenServiceProperty(FHandle);
}

void TMainForm::BuildKeyboard() {
  // Until the keyboard model is loaded the design size of "Standard" is used.
  if (FKbdWidth == 0) {
    FKbdWidth = 441;
    FKbdHeight = 181;
  }
  FSizingGuard = false;
  struct RestoreGuard {
    bool& guard;
    ~RestoreGuard() { guard = true; }
  } restore{FSizingGuard};
  const TSize size = InitialClientSize(FKbdWidth, FKbdHeight, WorkArea());
  SetClientSize(size.Width, size.Height);
}

void TMainForm::Show() {
  const bool first = !FShown;
  ShowWindow(FHandle, SW_SHOWNOACTIVATE);
  if (first) FormShow();
}

void TMainForm::FormShow() {
  KeepOnWorkArea(FHandle);
  EnableTimer(tmrHKL, true, 300);
  EnableTimer(tmrCapsLock, true, 1000);
  FShown = true;
}

void TMainForm::FormClose() {}

void TMainForm::FormDestroy() {
  if (FTimerEnabled[tmrLazySaveSettings]) OnTimer(tmrLazySaveSettings);
  if (FUnregisterTouchWindow) FUnregisterTouchWindow(FHandle);
}

void TMainForm::ApplicationEventsMainMinimize() {
  EnableTimer(tmrHKL, false, 300);
  EnableTimer(tmrCapsLock, false, 1000);
}

void TMainForm::ApplicationEventsMainRestore() {
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
    case tmrLazySaveSettings:
      EnableTimer(tmrLazySaveSettings, false, 3000);
      break;
    default:
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
  return self ? self->HandleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
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
      HDC dc = BeginPaint(FHandle, &ps);
      FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      EndPaint(FHandle, &ps);
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

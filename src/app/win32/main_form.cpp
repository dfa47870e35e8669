#include "app/win32/main_form.h"

#include <shlobj.h>

#include "app/web_sites.h"
#include "app/win32/window_surface.h"
#include "app/window_sizing.h"
#include "i18n/orv_languages.h"
#include "platform/debug_log.h"
#include "platform/rounding.h"
#include "platform/win32/lv_lib.h"
#include "render/fonts.h"
#include "render/win32/gdi_canvas.h"
#include "render/win32/theme_win32.h"
#include "app/win32/system_services.h"

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

std::wstring ReplaceFirst(std::wstring text, const std::wstring& what, const std::wstring& with) {
  const auto pos = text.find(what);
  if (pos != std::wstring::npos) text.replace(pos, what.size(), with);
  return text;
}

}  // namespace

DWORD TMainForm::CreateParamsExStyle(DWORD formExStyle) {
  return formExStyle | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

TMainForm::TMainForm(HWND owner, TAppIniClass& appIni) : FAppIni(appIni) {
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
  // Where the settings live is chosen by the store itself when it is created.
  FShown = false;
  FSizingGuard = true;
  FFitWidth = false;
  FLockSize = false;
  FLastWorkAreaWidth = 0;
  FLastWorkAreaHeight = 0;
  FLastMonitor = nullptr;
  FDragOrigin = {-10000, -10000};

  FPaintBox = std::make_unique<TWindowSurface>(FHandle);
  FSurfaces = std::make_unique<TGdiSurfaceFactory>();
  FServices = CreateSystemKeyboardServices();
  FInjector = CreateSystemKeyInjector();
  FDesktop = std::make_unique<TProcessKeyboardDesktop>([] { return ScreenPixelsPerInch(); });
  FLegends = CreateKeyLegends(*FServices);
  FKeyboard = std::make_unique<TLvKeyboard>(*FPaintBox, *FSurfaces, *FServices, *FInjector, *FDesktop,
                                            FLegends.get());

  FSliderDragging = false;
  FSliderHot = false;
  FLastDownX = 2147483647;
  FLastDownY = 2147483647;
  FIgnoreMouseUp = false;
  FPointerInRange = false;
  FFilterInRangeMouse = WindowsBuildNumber >= 16215;
  FRepeatDelay = 600;
  FRepeatInterval = 20;

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
  SetLockSize(FAppIni.ReadBool(L"LockSize", false));
  UpdateBorder();
  SetTransparency(FAppIni.ReadInteger(L"AlphaBlend", 255));
  SetEnableKeyRepeat(FAppIni.ReadBool(L"EnableKeyRepeat", true));
  ShowFirstRunPage();

  RegisterTouch();
  EnableTimer(tmrCaption, true, 600000);
}

void TMainForm::TranslateCaptions() {
  const std::uint16_t ui = GetUserDefaultUILanguage();
  auto tr = [ui](const wchar_t* text) { return Translate(text, 0, ui); };
  pmiEnableKeyRepeat.Caption = tr(L"Enable key repeat");
  pmiFitWidth.Caption = tr(L"Fit width");
  pmiLockSize.Caption = tr(L"Lock window size");
  pmiChangeColors.Caption = tr(L"Change colors");
  pmiChangeKeyboardType.Caption = tr(L"Change keyboard type");
  pmiOnlineKeyboard.Caption = tr(L"Online Keyboard");
  pmiOnlineHelp.Caption = tr(L"Online Help");
  pmiAboutORV.Caption = ReplaceFirst(tr(L"About %1"), L"%1", L"Orvilla") + L" " + GetAppVersion();
  pmiAboutSNT.Caption = ReplaceFirst(tr(L"About %1"), L"%1", L"Sentaro");
}

void TMainForm::ShowFirstRunPage() {
  const int n = FAppIni.ReadInteger(L"Site", 0);
  if (n > 0) return;
  FAppIni.WriteInteger(L"Site", n + 1);
  if (FAppIni.ReadInteger(L"Site", 0) == 0) return;
  std::wstring file = ProgramFileName();
  std::wstring lower = file;
  for (auto& c : lower) c = static_cast<wchar_t>(towlower(c));
  if (lower.find(L"temp") != std::wstring::npos) return;
  wchar_t programFiles[MAX_PATH] = L"";
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, programFiles)) &&
      programFiles[0] && file.compare(0, wcslen(programFiles), programFiles) == 0)
    return;
  pmiOnlineHelpClick();
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
  FKeyboard->LoadLayout(FKeyboardType);
  FKbdWidth = FKeyboard->Width();
  FKbdHeight = FKeyboard->Height();
  {
    FSizingGuard = false;
    TFlagRestorer restore{FSizingGuard};
    const TSize size = InitialClientSize(FKbdWidth, FKbdHeight, WorkArea());
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
  FKeyboard->SetImageSize(client.bottom, client.right);
  FKeyboard->ScaleKeys(FKbdWidth, FKbdHeight);
  UpdateLegendFontSizes();
  FKeyboard->Redraw(true);
}

void TMainForm::UpdateBorder() {}

void TMainForm::BuildSystemMenu() {}

void TMainForm::SetEnableKeyRepeat(bool value) {
  FEnableKeyRepeat = value;
  pmiEnableKeyRepeat.Checked = value;
  FAppIni.WriteBool(L"EnableKeyRepeat", value);
}

void TMainForm::SetFitWidth(bool value) {
  FFitWidth = value;
  pmiFitWidth.Checked = value;
  FAppIni.WriteBool(L"FitWidth", value);
}

void TMainForm::SetLockSize(bool value) {
  FLockSize = value;
  pmiLockSize.Checked = value;
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
  KeepOnWorkArea(FHandle);
  FKeyboard->SetActive(true);
  FKeyboard->SetPaintEnabled(true);
  EnableTimer(tmrHKL, true, 300);
  EnableTimer(tmrCapsLock, true, 1000);
  FShown = true;
  FormResize();
}

void TMainForm::FormClose() { FKeyboard->ReleasePressedKeys(); }

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
      FAppIni.WriteInteger(L"AlphaBlend", FTransparency);
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
      BeginPaint(FHandle, &ps);
      EndPaint(FHandle, &ps);
      if (FKeyboard) FKeyboard->Present();
      return 0;
    }
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

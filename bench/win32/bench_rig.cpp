#include "bench_rig.h"

#include "app/window_sizing.h"
#include "platform/win32/screen.h"
#include "platform/win32/startup_environment.h"
#include "platform/win32/win32_handles.h"
#include "render/fonts.h"
#include "render/win32/font_enum.h"
#include "render/win32/theme_win32.h"

namespace {

constexpr wchar_t BenchClass[] = L"OrvillaBenchWindow";
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_TOPMOST | WS_EX_NOACTIVATE;

}  // namespace

TBenchModuleStart::TBenchModuleStart() {
  static const bool started = [] {
    InitStartupEnvironment();
    DetectFonts();
    return true;
  }();
  (void)started;
}

TBenchWindow::TBenchWindow(int clientWidth, int clientHeight) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS | CS_OWNDC;
  wc.lpfnWndProc = &TBenchWindow::WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = BenchClass;
  RegisterClassExW(&wc);
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&r, Style, FALSE, ExStyle);
  FHandle = CreateWindowExW(ExStyle, BenchClass, L"Orvilla bench", Style, 0, 0, r.right - r.left, r.bottom - r.top,
                            nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(FHandle, SW_SHOWNOACTIVATE);
  Pump();
}

TBenchWindow::~TBenchWindow() {
  if (FHandle) DestroyWindow(FHandle);
}

void TBenchWindow::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, Style, FALSE, ExStyle);
  SetWindowPos(FHandle, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TBenchWindow::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

LRESULT CALLBACK TBenchWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      // The harness presents the picture itself; the window only needs validating.
      const TPaintDc validated(window);
      return 0;
    }
    case WM_TIMER:
      KillTimer(window, wParam);  // no key repeat while timing
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TBenchKeyboard::TBenchKeyboard()
    : Window(724, 297), PaintBox(Window.Handle()), Desktop([] { return ScreenPixelsPerInch(); }) {
  Keyboard = std::make_unique<TLvKeyboard>(PaintBox, Surfaces, Services, Injector, Desktop, &Legends);
  InputWindow = std::make_unique<TWin32InputWindow>(
      Window.Handle(),
      [this](TInputTimer timer, bool on, unsigned ms) {
        const int id = timer == TInputTimer::tmrPress ? 0 : 1;
        TimerOn[id] = on;
        if (on)
          SetTimer(Window.Handle(), 1 + id, ms, nullptr);
        else
          KillTimer(Window.Handle(), 1 + id);
      },
      [this](TInputTimer timer) { return TimerOn[timer == TInputTimer::tmrPress ? 0 : 1]; });
  Press = std::make_unique<TKeyPress>(*Keyboard, Injector, *InputWindow);
  Pointer = std::make_unique<TPointerInput>(*Keyboard, *Press, *InputWindow, WindowsBuildNumber);

  // FormCreate: fonts, colours, key names, layout; FormShow: activation, then FormResize.
  ChooseLegendFonts();
  ApplyColorScheme(ColorSchemeWindowsLight);
  Keyboard->FillKeyNames();
  LoadAndShow(1);
  Keyboard->SetActive(true);
  Keyboard->SetPaintEnabled(true);
  Keyboard->Redraw(true);
  Window.Pump();
}

TBenchKeyboard::~TBenchKeyboard() {
  Press->ReleaseKeys();
  Pointer.reset();
  Press.reset();
  Keyboard.reset();
}

TRect TBenchKeyboard::LoadAndShow(int layout) {
  Keyboard->LoadLayout(layout);
  const TSize size = InitialClientSize(Keyboard->DesignWidth(), Keyboard->DesignHeight(), BenchWorkArea);
  if (PaintBox.Width() != size.Width || PaintBox.Height() != size.Height) Window.SetClientSize(size.Width, size.Height);
  Resize(size.Width, size.Height);
  return TRect{0, 0, size.Width, size.Height};
}

void TBenchKeyboard::Resize(int width, int height) { FitKeyboard(*Keyboard, width, height); }

void TBenchKeyboard::FitKeyboard(TLvKeyboard& keyboard, int width, int height) {
  keyboard.SetImageSize(width, height);
  keyboard.ScaleKeys();
  if (const TLvBtn* escape = keyboard.Key(27))
    UpdateLegendFontSizes(escape->GetWidth(), escape->GetHeight(), ScreenPixelsPerInch());
  keyboard.Redraw(true);
}

TPoint TBenchKeyboard::KeyCentre(int code) const {
  const TLvBtn* key = Keyboard->Key(code);
  if (!key) return {-1, -1};
  return {key->GetLeft() + key->GetWidth() / 2, key->GetTop() + key->GetHeight() / 2};
}

// The smallest Win32 program with a window like the keyboard's: it registers a class, creates a
// topmost window that never takes the focus, shows it and runs the message loop. scripts/bench.sh
// starts it beside Orvilla.exe to compare the time from exec to a mapped window and the memory
// the process holds; nothing of the keyboard is loaded.
//
// Usage: orvilla_bare_window.exe
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"TOrvillaBareWindow";
// About the size of the keyboard window of "Standard" on a 1280 x 800 screen.
constexpr int kWidth = 740;
constexpr int kHeight = 330;

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &BareWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc)) return 1;

  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, L"Orvilla bare window",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, kWidth, kHeight, nullptr, nullptr, instance,
                                nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

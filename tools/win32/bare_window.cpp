// The smallest Win32 program with a window like the keyboard's: it registers a class, creates a
// topmost window that never takes the focus, shows it and runs the message loop. scripts/bench.sh
// starts it beside Orvilla.exe to compare the time from exec to a mapped window and the memory
// the process holds; nothing of the keyboard is loaded.
//
// Usage: orvilla_bare_window.exe [--steps]
//   --steps: prints the time from the process's creation to the entry point and from the entry
//   point to the window shown and painted, then ends; the start-up benchmark sets these beside the
//   steps of Orvilla's own start-up.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

constexpr wchar_t ClassName[] = L"TOrvillaBareWindow";
// About the size of the keyboard window of "Standard" on a 1280 x 800 screen.
constexpr int Width = 740;
constexpr int Height = 330;

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Milliseconds since the process was created, as the system counts it.
double SinceProcessCreation() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  const double toEntry = SinceProcessCreation();
  LARGE_INTEGER entry;
  QueryPerformanceCounter(&entry);
  const bool steps = commandLine && std::wcsstr(commandLine, L"--steps");
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &BareWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = ClassName;
  if (!RegisterClassExW(&wc)) return 1;

  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, ClassName, L"Orvilla bare window",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                CW_USEDEFAULT, Width, Height, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  if (steps) {
    LARGE_INTEGER shown;
    QueryPerformanceCounter(&shown);
    std::printf("bare process creation to entry %9.2f ms\n", toEntry);
    std::printf("bare entry to shown and painted %9.2f ms\n", Milliseconds(entry, shown));
    DestroyWindow(window);
    return 0;
  }

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

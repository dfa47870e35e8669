// The end-to-end target: an edit control that holds the focus and logs every key message it gets.
// Usage: orvilla_target.exe <log file>
//        orvilla_target.exe /close   posts WM_CLOSE to every keyboard window, as a user's click on
//                                    its close button would (the test display has no window manager)
//        orvilla_target.exe /endsession   tells every keyboard window that the session ends, as
//                                    Windows does at log-off
//        orvilla_target.exe /minimize | /restore   minimises or restores the keyboard program as
//                                    its taskbar button would
//        orvilla_target.exe /clientrect <file>   writes "left top width height" of the first
//                                    keyboard window's keys (its client area below the
//                                    suggestion row, if any), in screen pixels
//        orvilla_target.exe /rowrect <file>   writes "left top width height" of the keyboard's
//                                    suggestion row, in screen pixels
//        orvilla_target.exe /opacity <file>   writes the first keyboard window's opacity (0..255)
// Log lines: "DOWN vk=0x41 scan=0x1E ext=0", "UP ...", "CHAR 0x0041", "FOCUS 1" / "FOCUS 0".
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

FILE* logFile = nullptr;
WNDPROC editProc = nullptr;
HWND editBox = nullptr;

void LogLine(const char* format, unsigned a, unsigned b, unsigned c) {
  if (!logFile) return;
  std::fprintf(logFile, format, a, b, c);
  std::fputc('\n', logFile);
  std::fflush(logFile);
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const unsigned scan = (static_cast<unsigned>(lParam) >> 16) & 0xFF;
  const unsigned ext = (static_cast<unsigned>(lParam) >> 24) & 1;
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: LogLine("DOWN vk=0x%02X scan=0x%02X ext=%u", static_cast<unsigned>(wParam), scan, ext); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: LogLine("UP vk=0x%02X scan=0x%02X ext=%u", static_cast<unsigned>(wParam), scan, ext); break;
    case WM_CHAR: LogLine("CHAR 0x%04X%.0u%.0u", static_cast<unsigned>(wParam), 0, 0); break;
    case WM_SETFOCUS: LogLine("FOCUS 1%.0u%.0u%.0u", 0, 0, 0); break;
    case WM_KILLFOCUS: LogLine("FOCUS 0%.0u%.0u%.0u", 0, 0, 0); break;
  }
  return CallWindowProcW(editProc, window, message, wParam, lParam);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (editBox) MoveWindow(editBox, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (editBox) SetFocus(editBox);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  std::wstring path = commandLine ? commandLine : L"";
  if (path.rfind(L"/clientrect ", 0) == 0) {
    HWND keyboard = FindWindowExW(nullptr, nullptr, L"TMainForm", nullptr);
    if (!keyboard) return 1;
    RECT r{};
    GetClientRect(keyboard, &r);
    POINT origin{0, 0};
    ClientToScreen(keyboard, &origin);
    // The keys lie below the suggestion row, when it is shown.
    HWND row = FindWindowExW(keyboard, nullptr, L"TOrvillaSuggestionBar", nullptr);
    RECT rowRect{};
    if (row && IsWindowVisible(row) && GetClientRect(row, &rowRect)) {
      origin.y += rowRect.bottom;
      r.bottom -= rowRect.bottom;
    }
    FILE* out = _wfopen(path.substr(12).c_str(), L"w");
    if (!out) return 1;
    std::fprintf(out, "%ld %ld %ld %ld\n", origin.x, origin.y, r.right, r.bottom);
    std::fclose(out);
    return 0;
  }
  if (path.rfind(L"/rowrect ", 0) == 0) {
    HWND keyboard = FindWindowExW(nullptr, nullptr, L"TMainForm", nullptr);
    HWND row = keyboard ? FindWindowExW(keyboard, nullptr, L"TOrvillaSuggestionBar", nullptr) : nullptr;
    if (!row || !IsWindowVisible(row)) return 1;
    RECT r{};
    GetWindowRect(row, &r);
    FILE* out = _wfopen(path.substr(9).c_str(), L"w");
    if (!out) return 1;
    std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::fclose(out);
    return 0;
  }
  if (path.rfind(L"/opacity ", 0) == 0) {
    // The keyboard window's opacity: its layered alpha, 255 when it is not layered.
    HWND keyboard = FindWindowExW(nullptr, nullptr, L"TMainForm", nullptr);
    if (!keyboard) return 1;
    BYTE alpha = 255;
    DWORD flags = 0;
    if ((GetWindowLongPtrW(keyboard, GWL_EXSTYLE) & WS_EX_LAYERED) &&
        GetLayeredWindowAttributes(keyboard, nullptr, &alpha, &flags) && !(flags & LWA_ALPHA))
      alpha = 255;
    FILE* out = _wfopen(path.substr(9).c_str(), L"w");
    if (!out) return 1;
    std::fprintf(out, "%d\n", alpha);
    std::fclose(out);
    return 0;
  }
  if (path == L"/endsession") {
    HWND keyboard = FindWindowExW(nullptr, nullptr, L"TMainForm", nullptr);
    if (!keyboard) return 1;
    if (!SendMessageW(keyboard, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF)) return 2;
    SendMessageW(keyboard, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    return 0;
  }
  if (path == L"/minimize" || path == L"/restore") {
    HWND keyboard = FindWindowExW(nullptr, nullptr, L"TMainForm", nullptr);
    HWND owner = keyboard ? GetWindow(keyboard, GW_OWNER) : nullptr;
    if (!owner) return 1;
    SendMessageW(owner, WM_SYSCOMMAND, path == L"/minimize" ? SC_MINIMIZE : SC_RESTORE, 0);
    return 0;
  }
  if (path.rfind(L"/syscommand ", 0) == 0) {
    // A command of the keyboard's system menu, as choosing it there sends it.
    HWND keyboard = FindWindowExW(nullptr, nullptr, L"TMainForm", nullptr);
    if (!keyboard) return 1;
    SendMessageW(keyboard, WM_SYSCOMMAND, static_cast<WPARAM>(_wtoi(path.c_str() + 12)), 0);
    return 0;
  }
  if (path == L"/quit") {
    // Ends the keyboard's message loop from outside, as a WM_QUIT posted to its thread does.
    HWND keyboard = FindWindowExW(nullptr, nullptr, L"TMainForm", nullptr);
    if (!keyboard) return 1;
    return PostThreadMessageW(GetWindowThreadProcessId(keyboard, nullptr), WM_QUIT, 0, 0) ? 0 : 2;
  }
  if (path == L"/close") {
    int closed = 0;
    while (HWND keyboard = FindWindowExW(nullptr, nullptr, L"TMainForm", nullptr)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(keyboard, &pid);
      PostMessageW(keyboard, WM_CLOSE, 0, 0);
      ++closed;
      for (int i = 0; i < 100 && IsWindow(keyboard); ++i) Sleep(50);
      if (IsWindow(keyboard)) return 2;
    }
    return closed > 0 ? 0 : 1;
  }
  if (!path.empty() && path.front() == L'"') path = path.substr(1, path.find(L'"', 1) - 1);
  if (!path.empty()) logFile = _wfopen(path.c_str(), L"w");

  WNDCLASSW wc{};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"OrvillaTarget";
  RegisterClassW(&wc);
  HWND main = CreateWindowExW(0, L"OrvillaTarget", L"Orvilla target", WS_OVERLAPPEDWINDOW, 20, 20, 500, 200, nullptr,
                              nullptr, instance, nullptr);
  editBox = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0,
                            500, 200, main, nullptr, instance, nullptr);
  editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(editBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
  ShowWindow(main, SW_SHOW);
  SetForegroundWindow(main);
  SetFocus(editBox);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (logFile) std::fclose(logFile);
  return 0;
}

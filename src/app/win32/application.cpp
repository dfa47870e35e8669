#include "app/win32/application.h"

TApplication* Application = nullptr;

namespace {
constexpr wchar_t ClassName[] = L"TOrvillaApplication";
}

TApplication::TApplication() {
  WNDCLASSEXW wc{};
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.hIconSm = wc.hIcon;
  wc.lpszClassName = ClassName;
  RegisterWindowClass(wc);
  // A visible window of no size: it gives the program its taskbar button without showing anything.
  CreateBoundWindow(0, ClassName, L"Orvilla", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, 0,
                    0, 0, 0, nullptr);
}

TApplication::~TApplication() {
  if (Handle()) DestroyWindow(Handle());
}

void TApplication::SetTitle(const wchar_t* title) { SetWindowTextW(Handle(), title); }

int TApplication::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (OnPreTranslateMessage && OnPreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

LRESULT TApplication::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED && !FMinimized) {
        FMinimized = true;
        if (FMainWindow) ShowWindow(FMainWindow, SW_HIDE);
        if (OnMinimize) OnMinimize();
      } else if (wParam != SIZE_MINIMIZED && FMinimized) {
        FMinimized = false;
        if (FMainWindow) ShowWindow(FMainWindow, SW_SHOWNOACTIVATE);
        if (OnRestore) OnRestore();
      }
      return 0;
    case WM_CLOSE:
      // Closing from the taskbar closes the keyboard window, which ends the program.
      if (FMainWindow) PostMessageW(FMainWindow, WM_CLOSE, 0, 0);
      return 0;
    case WM_ACTIVATE:
      // The application window is never meant to be seen: pass activation on to the keyboard.
      return 0;
  }
  return DefaultHandling(message, wParam, lParam);
}

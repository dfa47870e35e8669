#include "app/win32/application.h"

TApplication* Application = nullptr;

namespace {
constexpr wchar_t kClassName[] = L"TOrvillaApplication";
}

TApplication::TApplication() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &TApplication::WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.hIconSm = wc.hIcon;
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
  // A visible window of no size: it gives the program its taskbar button without showing anything.
  FHandle = CreateWindowExW(0, kClassName, L"Orvilla",
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                            nullptr, nullptr, wc.hInstance, this);
}

TApplication::~TApplication() {
  if (FHandle) DestroyWindow(FHandle);
}

void TApplication::SetTitle(const wchar_t* title) { SetWindowTextW(FHandle, title); }

void TApplication::Minimize() {
  if (FMinimized) return;
  ShowWindow(FHandle, SW_MINIMIZE);
}

int TApplication::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TApplication*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->FHandle = window;
  }
  auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->HandleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
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
  return DefWindowProcW(FHandle, message, wParam, lParam);
}

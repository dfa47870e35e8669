#pragma once
// The one window procedure of the program's windows, in the manner of a BaseWindow<T>: a window
// class derives from TBaseWindow<T>, passes `this` as the creation parameter and handles its
// messages in `LRESULT T::HandleMessage(UINT, WPARAM, LPARAM)` (TBaseWindow<T> a friend), ending
// with DefaultHandling for what it leaves to the system. The object is bound to its window on WM_NCCREATE (so even the
// first messages reach it) and unbound on WM_NCDESTROY; the default procedure always gets the
// real window handle. Errors never unwind through the system's frames: one guard shows them in
// the standard error box and the program goes on.
//
// A dialog built on it is a window of its own class with child controls: it is created with
// CreateWindowExW like any other, and the message loop passes its messages through
// IsDialogMessageW for keyboard navigation.
#include <windows.h>

#include <exception>

#include "platform/win32/fatal_error.h"

// Runs a message handler; an error that escapes it is shown in the standard error box owned by
// window, and failResult is returned in its place.
template <typename THandler>
LRESULT RunGuarded(HWND window, LRESULT failResult, THandler&& handler) {
  try {
    return handler();
  } catch (const std::exception& error) {
    ShowErrorBox(window, error);
    return failResult;
  }
}

template <typename TDerived>
class TBaseWindow {
 public:
  TBaseWindow(const TBaseWindow&) = delete;
  TBaseWindow& operator=(const TBaseWindow&) = delete;

  HWND Handle() const { return FHandle; }

 protected:
  TBaseWindow() = default;
  // A window still open when its object goes is unbound first, so that its last messages do not
  // reach an object half destroyed. Derived classes that handle WM_DESTROY destroy the window in
  // their own destructor.
  ~TBaseWindow() {
    if (!FHandle) return;
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
  }

  // Registers a window class whose procedure is this base's; the class fields not given stay 0.
  static void RegisterWindowClass(WNDCLASSEXW wc) {
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TBaseWindow::WindowProc;
    if (!wc.hInstance) wc.hInstance = GetModuleHandleW(nullptr);
    RegisterClassExW(&wc);
  }

  // Creates the window bound to this object; returns its handle (null on failure).
  HWND CreateBoundWindow(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style, int x, int y,
                         int width, int height, HWND owner) {
    return CreateWindowExW(exStyle, className, caption, style, x, y, width, height, owner, nullptr,
                           GetModuleHandleW(nullptr), static_cast<TDerived*>(this));
  }

  // What the system does with a message the window does not handle itself.
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(FHandle, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* self = static_cast<TDerived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      static_cast<TBaseWindow*>(self)->FHandle = window;
    }
    auto* self = reinterpret_cast<TDerived*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      // The window's last message: the object lets go of it.
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      static_cast<TBaseWindow*>(self)->FHandle = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
    return RunGuarded(window, 0, [&] { return self->HandleMessage(message, wParam, lParam); });
  }

  HWND FHandle = nullptr;
};

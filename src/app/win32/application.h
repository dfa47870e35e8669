#pragma once
// The program's hidden application window: it owns the keyboard window and the taskbar button,
// so minimising and restoring the program arrive here and are passed on as application events.
#include <windows.h>

#include <functional>

#include "platform/win32/base_window.h"

class TApplication : public TBaseWindow<TApplication> {
 public:
  TApplication();
  ~TApplication();
  void SetTitle(const wchar_t* title);
  void SetMainWindow(HWND window) { FMainWindow = window; }

  // Minimises the program to its taskbar button: the keyboard window is hidden.

  std::function<void()> OnMinimize;
  std::function<void()> OnRestore;
  // Sees every message before it is translated and dispatched (the settings dialog's keyboard
  // navigation); true when it handled the message.
  std::function<bool(MSG&)> OnPreTranslateMessage;

  // Runs the message loop until the main window is gone; returns the exit code.
  int Run();

 private:
  friend class TBaseWindow<TApplication>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND FMainWindow = nullptr;
  bool FMinimized = false;
};

extern TApplication* Application;

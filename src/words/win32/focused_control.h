#pragma once
// The control that has the keyboard focus in the foreground window's thread, and where its caret
// is: what the word being typed belongs to.
#include <windows.h>

struct TFocusedControl {
  HWND Foreground = nullptr;
  HWND Focus = nullptr;
  HWND Caret = nullptr;
  RECT CaretRect{};
  bool Password = false;  // an edit control with ES_PASSWORD
};

// The foreground window's focused control, through GetGUIThreadInfo; all null when there is no
// foreground window or the system does not answer.
TFocusedControl ReadFocusedControl();

#pragma once
// The low-level keyboard hook of the scanning switch key. It exists only while scanning is on (its
// owner makes and drops it), swallows the switch key so that it never reaches the focused
// program, lets every other key and every injected event through, and only posts a message for a
// press, so that it returns at once (the system drops hooks that keep it waiting).
//
// The system removes a thread's hooks when the thread ends, so the hook never outlives the
// program, however the program ends.
#include <windows.h>

#include <cstdint>

#include "platform/win32/win32_handles.h"
#include "scanning/switch_key.h"

class TSwitchKeyHook {
 public:
  // Installs the hook for switchKey on the calling thread, which must run a message loop; each
  // press is posted to window as message with the key code in wParam. Only one hook can be
  // installed at a time: a second one stays uninstalled.
  TSwitchKeyHook(HWND window, UINT message, std::uint8_t switchKey);
  ~TSwitchKeyHook();
  TSwitchKeyHook(const TSwitchKeyHook&) = delete;
  TSwitchKeyHook& operator=(const TSwitchKeyHook&) = delete;

  bool Installed() const { return static_cast<bool>(FHook); }
  std::uint8_t Key() const { return FFilter.Key(); }

  // The hook procedure; public so that the tests can hand it events of their own.
  static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);

 private:
  // A hook procedure carries no data of its own: the one installed hook is found here.
  static TSwitchKeyHook* FActive;

  HWND FWindow;
  UINT FMessage;
  TSwitchKeyFilter FFilter;
  THookHandle FHook;
};

#include "scanning/win32/switch_key_hook.h"

#include <string>

#include "platform/debug_log.h"

TSwitchKeyHook* TSwitchKeyHook::FActive = nullptr;

TSwitchKeyHook::TSwitchKeyHook(HWND window, UINT message, std::uint8_t switchKey)
    : FWindow(window), FMessage(message), FFilter(switchKey) {
  if (FActive) {
    Log(L"Scanning: a switch key hook is already installed");
    return;
  }
  FHook.Reset(SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, GetModuleHandleW(nullptr), 0));
  if (!FHook) {
    Log(L"Scanning: the switch key hook could not be installed, error " + std::to_wstring(GetLastError()));
    return;
  }
  FActive = this;
}

TSwitchKeyHook::~TSwitchKeyHook() {
  if (FActive == this) FActive = nullptr;
}

LRESULT CALLBACK TSwitchKeyHook::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  TSwitchKeyHook* hook = FActive;
  if (code == HC_ACTION && hook) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
    const bool injected = (event->flags & LLKHF_INJECTED) != 0;
    switch (hook->FFilter.OnKey(event->vkCode, down, injected)) {
      case TSwitchKeyAction::Press: PostMessageW(hook->FWindow, hook->FMessage, event->vkCode, 0); return 1;
      case TSwitchKeyAction::Swallow: return 1;
      case TSwitchKeyAction::Pass: break;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

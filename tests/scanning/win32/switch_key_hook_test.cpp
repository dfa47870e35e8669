// The scanning switch key's low-level hook: it swallows the chosen key, passes every other key,
// and lets injected events (the keyboard's own SendInput) through.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "scanning/win32/switch_key_hook.h"

namespace {

constexpr UINT SwitchMessage = WM_APP + 7;

// A small window that records the keys it receives and the switch presses posted to it.
class TKeyWindow {
 public:
  TKeyWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvillaSwitchKeyTest";
    RegisterClassW(&wc);
    FHandle = CreateWindowExW(0, wc.lpszClassName, L"switch key test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                              100, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetForegroundWindow(FHandle);
    SetFocus(FHandle);
  }
  ~TKeyWindow() { DestroyWindow(FHandle); }
  HWND Handle() const { return FHandle; }

  // Runs the message loop for a while (the hook is called from it).
  void Pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      Sleep(5);
    }
  }

  std::vector<WPARAM> KeysDown;
  std::vector<WPARAM> Presses;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TKeyWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && message == WM_KEYDOWN) self->KeysDown.push_back(wParam);
    if (self && message == SwitchMessage) self->Presses.push_back(wParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  HWND FHandle;
};

// The hook procedure's answer to one event: true when it swallowed it.
bool Swallowed(WPARAM message, DWORD vk, bool injected) {
  KBDLLHOOKSTRUCT event{};
  event.vkCode = vk;
  event.flags = injected ? LLKHF_INJECTED : 0;
  return TSwitchKeyHook::KeyboardProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&event)) != 0;
}

TEST(SwitchKeyHook, SwallowsTheChosenKeyAndPassesEveryOther) {
  TKeyWindow window;
  TSwitchKeyHook hook(window.Handle(), SwitchMessage, VK_F2);
  ASSERT_TRUE(hook.Installed());

  struct {
    WPARAM Message;
    DWORD Vk;
    bool Injected;
    bool Swallow;
  } const events[] = {
      {WM_KEYDOWN, 'A', false, false},  {WM_KEYUP, 'A', false, false},       {WM_KEYDOWN, VK_SPACE, false, false},
      {WM_KEYDOWN, VK_F2, false, true}, {WM_KEYDOWN, VK_F2, false, true},  // a repeat: swallowed, no second press
      {WM_KEYUP, VK_F2, false, true},   {WM_SYSKEYDOWN, VK_F2, false, true}, {WM_SYSKEYUP, VK_F2, false, true},
      {WM_KEYDOWN, VK_F2, true, false}, {WM_KEYUP, VK_F2, true, false},      {WM_KEYDOWN, VK_F3, false, false},
  };
  int i = 0;
  for (const auto& e : events) EXPECT_EQ(Swallowed(e.Message, e.Vk, e.Injected), e.Swallow) << "event " << i++;
  window.Pump(50);
  EXPECT_EQ(window.Presses, (std::vector<WPARAM>{VK_F2, VK_F2}));
}

TEST(SwitchKeyHook, InjectedKeysReachTheFocusedWindowThroughTheInstalledHook) {
  TKeyWindow window;
  TSwitchKeyHook hook(window.Handle(), SwitchMessage, VK_SPACE);
  ASSERT_TRUE(hook.Installed());
  window.Pump(100);
  INPUT inputs[4]{};
  const WORD keys[2] = {VK_SPACE, 'B'};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i / 2];
    inputs[i].ki.dwFlags = (i % 2) ? KEYEVENTF_KEYUP : 0;
  }
  ASSERT_EQ(SendInput(4, inputs, sizeof(INPUT)), 4u);
  window.Pump(300);
  EXPECT_EQ(window.KeysDown, (std::vector<WPARAM>{VK_SPACE, 'B'}));
  EXPECT_TRUE(window.Presses.empty());
}

TEST(SwitchKeyHook, OnlyOneAtATimeAndNoneAfterItGoes) {
  TKeyWindow window;
  {
    TSwitchKeyHook first(window.Handle(), SwitchMessage, VK_SPACE);
    TSwitchKeyHook second(window.Handle(), SwitchMessage, VK_F5);
    EXPECT_TRUE(first.Installed());
    EXPECT_FALSE(second.Installed());
    EXPECT_TRUE(Swallowed(WM_KEYDOWN, VK_SPACE, false));
    EXPECT_FALSE(Swallowed(WM_KEYDOWN, VK_F5, false));
  }
  // Gone: the procedure passes everything (the system no longer calls it, in any case).
  EXPECT_FALSE(Swallowed(WM_KEYDOWN, VK_SPACE, false));
  TSwitchKeyHook again(window.Handle(), SwitchMessage, VK_F5);
  EXPECT_TRUE(again.Installed());
}

}  // namespace

#include "scanning/win32/scan_session.h"

TScanSession::TScanSession(HWND window, UINT switchMessage, TLvKeyboard& keyboard, TPointerInput& pointer)
    : FWindow(window),
      FSwitchMessage(switchMessage),
      FScan(keyboard, pointer, ScanTimeDefault),
      FScanKey(ScanKeyDefault) {}

TScanSession::~TScanSession() { Stop(); }

void TScanSession::SetScanKey(int vk) {
  FScanKey = LimitScanKey(vk);
  if (FHook && FHook->Key() != FScanKey) {
    FHook.reset();
    FHook = std::make_unique<TSwitchKeyHook>(FWindow, FSwitchMessage, FScanKey);
  }
}

void TScanSession::Start() {
  if (!FHook) FHook = std::make_unique<TSwitchKeyHook>(FWindow, FSwitchMessage, FScanKey);
  if (!FJoystick) FJoystick = std::make_unique<TJoystickSwitch>();
  FScan.Start(GetTickCount());
}

void TScanSession::Stop() {
  FHook.reset();
  FJoystick.reset();
  FScan.Stop();
}

void TScanSession::Check() {
  if (!Running()) return;
  const std::uint32_t now = GetTickCount();
  if (FJoystick && FJoystick->Poll(now)) SwitchPressed();
  if (FScan.Tick(now) && FScanSound) FSounds.Play(TSound::Tick);
}

void TScanSession::SwitchPressed() {
  if (!Running()) return;
  // A chosen key's click comes from the press itself (KeyPressed).
  FScan.Switch(GetTickCount());
}

void TScanSession::LayoutChanged() {
  if (Running()) FScan.Start(GetTickCount());
}

void TScanSession::KeysMoved() { FScan.KeysMoved(GetTickCount()); }

void TScanSession::KeyPressed() {
  if (FClickSound) FSounds.Play(TSound::Click);
}

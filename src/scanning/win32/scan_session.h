#pragma once
// Switch scanning in the keyboard window: the scan on the keys (TScanTyping), the switches that
// drive it (a mouse button on the window, the switch key's hook, a joystick button) and the
// sounds. The scanning feature (app/win32/scanning_feature.h) owns one; nothing here runs, loads or hooks anything
// while scanning is off, except the click sound of a key press when that is on.
//
// Its owner runs the scan timer (every ScanCheckInterval) exactly while Running().
#include <windows.h>

#include <cstdint>
#include <memory>

#include "scanning/scan_typing.h"
#include "scanning/win32/joystick_switch.h"
#include "scanning/win32/sound_player.h"
#include "scanning/win32/switch_key_hook.h"

class TScanSession {
 public:
  // Switch key presses of the hook arrive at window as switchMessage.
  TScanSession(HWND window, UINT switchMessage, TLvKeyboard& keyboard, TPointerInput& pointer);
  TScanSession(const TScanSession&) = delete;
  TScanSession& operator=(const TScanSession&) = delete;
  ~TScanSession();

  void SetScanTime(int milliseconds) { FScan.SetInterval(milliseconds); }
  // The switch key (limited to the allowed ones); a running hook is made again for it.
  void SetScanKey(int vk);
  std::uint8_t ScanKey() const { return FScanKey; }
  void SetClickSound(bool on) { FClickSound = on; }
  void SetScanSound(bool on) { FScanSound = on; }

  // Starts scanning at the first row and installs the hook; Stop releases a key still pressed,
  // takes the highlight away and removes the hook.
  void Start();
  void Stop();
  bool Running() const { return FScan.Running(); }

  // The scan timer: a joystick button, a release due, a step (with its tick).
  void Check();
  // A switch press (a mouse button on the window, the hook's message).
  void SwitchPressed();
  // The layout or the keyboard's size changed: the rows again, from the first.
  void LayoutChanged();
  // The keys moved (another input language).
  void KeysMoved();
  // The suggestion row came or went (null); kept alive by the caller until another is set.
  void SetLeadingRow(TScanLeadingRow* row) { FScan.SetLeadingRow(row, GetTickCount()); }
  // A key or suggestion was pressed, by any means: the click, when it is on.
  void KeyPressed();

 private:
  HWND FWindow;
  UINT FSwitchMessage;
  TScanTyping FScan;
  std::uint8_t FScanKey;
  bool FClickSound = false;
  bool FScanSound = false;
  std::unique_ptr<TSwitchKeyHook> FHook;
  std::unique_ptr<TJoystickSwitch> FJoystick;
  TSoundPlayer FSounds;
};

#pragma once
// A joystick or game-pad button as the scanning switch, through the Windows multimedia joystick
// functions. winmm is loaded at the first poll, so a run without scanning never loads it.
#include <windows.h>

#include <cstdint>

#include "platform/win32/win32_handles.h"

class TJoystickSwitch {
 public:
  // Interval between looks for a joystick while none answers, in milliseconds: asking an absent
  // one can be slow.
  static constexpr std::uint32_t AbsentRetryTime = 2000;

  // Looks at the first joystick at time now (milliseconds); true when one of its buttons went
  // down since the last poll.
  bool Poll(std::uint32_t now);

 private:
  using JoyGetPosExFn = UINT(WINAPI*)(UINT, void*);

  TModuleHandle FWinmm;
  JoyGetPosExFn FJoyGetPosEx = nullptr;
  bool FLoadTried = false;
  bool FAbsent = false;
  std::uint32_t FAbsentSince = 0;
  DWORD FButtons = 0;
};

#include "scanning/win32/joystick_switch.h"

#include <mmsystem.h>

#include "platform/win32/system_library.h"

bool TJoystickSwitch::Poll(std::uint32_t now) {
  if (!FLoadTried) {
    FLoadTried = true;
    FWinmm = LoadSystemLibrary(L"winmm.dll");
    FJoyGetPosEx = ModuleFunction<JoyGetPosExFn>(FWinmm, "joyGetPosEx");
  }
  if (!FJoyGetPosEx) return false;
  if (FAbsent && now - FAbsentSince < AbsentRetryTime) return false;

  JOYINFOEX info{};
  info.dwSize = sizeof(info);
  info.dwFlags = JOY_RETURNBUTTONS;
  if (FJoyGetPosEx(JOYSTICKID1, &info) != JOYERR_NOERROR) {
    // No joystick (or it was unplugged): look again later, and count its buttons as up.
    FAbsent = true;
    FAbsentSince = now;
    FButtons = 0;
    return false;
  }
  FAbsent = false;
  const bool newlyDown = (info.dwButtons & ~FButtons) != 0;
  FButtons = info.dwButtons;
  return newlyDown;
}

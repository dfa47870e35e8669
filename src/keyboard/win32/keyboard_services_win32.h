#pragma once
// The keyboard services of the system: ToUnicodeEx, MapVirtualKeyExW, the installed layouts,
// loading and unloading a layout, the keyboard state and the foreground window's input language.
#include "keys/keyboard_services.h"

class TWin32KeyboardServices : public TKeyboardServices {
 public:
  int ToUnicodeEx(unsigned virtKey, unsigned scanCode, const TKeyboardState& keyState, wchar_t* buffer, int bufferSize,
                  unsigned flags, THkl hkl) override;
  unsigned MapVirtualKeyExW(unsigned code, unsigned mapType, THkl hkl) override;
  std::vector<THkl> GetKeyboardLayoutList(int maxCount) override;
  THkl LoadKeyboardLayoutW(const std::wstring& layoutId, unsigned flags) override;
  bool UnloadKeyboardLayout(THkl hkl) override;
  bool GetKeyboardState(TKeyboardState& state) override;
  std::int16_t GetKeyState(int virtKey) override;
  THkl GetForegroundKeyboardLayout() override;
};

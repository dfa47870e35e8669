#include "keyboard/win32/keyboard_services_win32.h"

#include <windows.h>

#include <cstdint>

namespace {

// The program is 32-bit, where a layout handle is 32 bits wide. A wider build keeps the handle's
// value by sign extension, as the system does with handles.
HKL ToHkl(THkl hkl) { return reinterpret_cast<HKL>(static_cast<std::intptr_t>(static_cast<std::int32_t>(hkl))); }

THkl FromHkl(HKL hkl) { return static_cast<THkl>(reinterpret_cast<std::uintptr_t>(hkl)); }

}  // namespace

int TWin32KeyboardServices::ToUnicodeEx(unsigned virtKey, unsigned scanCode, const TKeyboardState& keyState,
                                        wchar_t* buffer, int bufferSize, unsigned flags, THkl hkl) {
  return ::ToUnicodeEx(virtKey, scanCode, keyState.data(), buffer, bufferSize, flags, ToHkl(hkl));
}

unsigned TWin32KeyboardServices::MapVirtualKeyExW(unsigned code, unsigned mapType, THkl hkl) {
  return ::MapVirtualKeyExW(code, mapType, ToHkl(hkl));
}

std::vector<THkl> TWin32KeyboardServices::GetKeyboardLayoutList(int maxCount) {
  if (maxCount <= 0) return {};
  std::vector<HKL> handles(static_cast<std::size_t>(maxCount));
  const int count = ::GetKeyboardLayoutList(maxCount, handles.data());
  std::vector<THkl> list;
  for (int i = 0; i < count && i < maxCount; ++i) list.push_back(FromHkl(handles[i]));
  return list;
}

THkl TWin32KeyboardServices::LoadKeyboardLayoutW(const std::wstring& layoutId, unsigned flags) {
  return FromHkl(::LoadKeyboardLayoutW(layoutId.c_str(), flags));
}

bool TWin32KeyboardServices::UnloadKeyboardLayout(THkl hkl) { return ::UnloadKeyboardLayout(ToHkl(hkl)) != FALSE; }

bool TWin32KeyboardServices::GetKeyboardState(TKeyboardState& state) {
  TKeyboardState read{};
  if (!::GetKeyboardState(read.data())) return false;
  state = read;
  return true;
}

std::int16_t TWin32KeyboardServices::GetKeyState(int virtKey) { return ::GetKeyState(virtKey); }

THkl TWin32KeyboardServices::GetForegroundKeyboardLayout() {
  // Without a foreground window the thread id is 0, and the answer is this thread's own layout.
  const DWORD thread = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
  return FromHkl(::GetKeyboardLayout(thread));
}

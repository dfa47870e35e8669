#include "input/win32/send_key_event.h"

INPUT MakeKeyInput(std::uint16_t code, bool keyUp, bool extended) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = code;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (keyUp ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  input.ki.time = 0;
  input.ki.dwExtraInfo = 0;
  return input;
}

void SendKeyEvent(std::uint16_t code, bool keyUp, bool extended) {
  INPUT input = MakeKeyInput(code, keyUp, extended);
  SendInput(1, &input, sizeof(INPUT));
}

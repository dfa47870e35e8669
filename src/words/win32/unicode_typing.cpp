#include "words/win32/unicode_typing.h"

std::vector<INPUT> MakeUnicodeInputs(const std::u16string& text) {
  std::vector<INPUT> inputs;
  inputs.reserve(text.size() * 2);
  for (char16_t c : text) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = 0;
      input.ki.wScan = static_cast<WORD>(c);
      input.ki.dwFlags = KEYEVENTF_UNICODE | up;
      inputs.push_back(input);
    }
  }
  return inputs;
}

void TUnicodeTextInjector::TypeText(const std::u16string& text) {
  std::vector<INPUT> inputs = MakeUnicodeInputs(text);
  if (!inputs.empty()) SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TUnicodeTextInjector::EraseCharacter() {
  INPUT inputs[2]{};
  for (int i = 0; i < 2; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = VK_BACK;
    inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyW(VK_BACK, MAPVK_VK_TO_VSC));
    inputs[i].ki.dwFlags = i == 0 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(2, inputs, sizeof(INPUT));
}

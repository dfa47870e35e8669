#include "keyboard/lang_chars_fill.h"

#include "keyboard/vk_classes.h"

namespace {

constexpr std::uint8_t Down = 0x81;

// Removes every character not above U+0020 (blanks and control characters) from both ends.
std::wstring TrimControls(const std::wstring& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && text[first] <= L' ') ++first;
  while (last > first && text[last - 1] <= L' ') --last;
  return text.substr(first, last - first);
}

}  // namespace

std::wstring KeyToText(TKeyboardServices& services, std::uint8_t code,
                       const TKeyboardState& keyState, THkl hkl) {
  wchar_t buffer[2] = {L' ', L' '};
  const unsigned scanCode = services.MapVirtualKeyExW(code, MapVkVkToVsc, hkl);
  const int n = services.ToUnicodeEx(code, scanCode, keyState, buffer, 2, 0, hkl);

  std::wstring text;
  if (n == 1) {
    text = TrimControls(std::wstring(buffer, 2)).substr(0, 1);
  } else if (n >= 2 && n <= 255) {
    text = TrimControls(std::wstring(buffer, 2));
  }
  if (text.size() == 2 && text[0] == text[1]) text.resize(1);
  return text;
}

std::wstring GetKeyChars(TKeyboardServices& services, std::uint8_t code,
                         const TKeyboardState& keyState, THkl hkl) {
  KeyToText(services, code, keyState, hkl);
  return KeyToText(services, code, keyState, hkl);
}

TKeyboardState ModifierState(bool shift, bool altGr, bool ctrl, bool caps) {
  TKeyboardState state{};
  state[20] = caps ? Down : 0;
  state[16] = state[160] = shift ? Down : 0;
  state[18] = state[165] = altGr ? Down : 0;
  state[17] = state[162] = (ctrl || altGr) ? Down : 0;
  return state;
}

void FillLangChars(TLangChars& table, TKeyboardServices& services) {
  for (int c = 1; c <= 255; ++c) {
    const auto code = static_cast<std::uint8_t>(c);
    if (!IsCharacterVk(code)) continue;
    for (const bool caps : {false, true})
      for (const bool shift : {false, true})
        for (const bool altGr : {false, true})
          for (const bool ctrl : {false, true}) {
            const TKeyboardState state = ModifierState(shift, altGr, ctrl, caps);
            std::wstring text = GetKeyChars(services, code, state, table.Hkl);
            if (altGr && !text.empty()) table.HasAltGr = true;
            table.Chars[code][shift][altGr][ctrl][caps] = std::move(text);
          }
  }
}

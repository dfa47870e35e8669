#pragma once
// The legend table as two translations per key and combination give it: GetKeyChars for every
// character key under all 16 combinations, key by key. The fills are compared with it.
#include <cstdint>
#include <string>
#include <utility>

#include "keyboard/lang_chars.h"
#include "keyboard/lang_chars_fill.h"
#include "keys/vk_classes.h"

inline void FillLangCharsTwice(TLangChars& table, TKeyboardServices& services) {
  for (int c = 1; c <= 255; ++c) {
    const auto code = static_cast<std::uint8_t>(c);
    if (!IsCharacterVk(code)) continue;
    for (const bool caps : {false, true})
      for (const bool shift : {false, true})
        for (const bool altGr : {false, true})
          for (const bool ctrl : {false, true}) {
            std::wstring text = GetKeyChars(services, code, ModifierState(shift, altGr, ctrl, caps), table.Hkl);
            if (altGr && !text.empty()) table.HasAltGr = true;
            table.Chars[code][shift][altGr][ctrl][caps] = std::move(text);
          }
  }
}

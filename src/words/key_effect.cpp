#include "words/key_effect.h"

#include "keys/vk_classes.h"
#include "keys/vk_codes.h"

TKeyEffect KeyEffect(std::uint8_t code, const std::wstring& legend, bool shortcut) {
  if (IsLockOrModifierVk(code)) return {};
  if (shortcut) return {TKeyMeaning::Break, {}};
  switch (code) {
    case VkBack: return {TKeyMeaning::Backspace, {}};
    case VkReturn: return {TKeyMeaning::Text, u"\r"};
    case VkTab: return {TKeyMeaning::Text, u"\t"};
    case VkSpace: return {TKeyMeaning::Text, u" "};
    default: break;
  }
  if (!IsCharacterVk(code) || legend.empty()) return {TKeyMeaning::Break, {}};
  std::u16string text;
  for (wchar_t c : legend) {
    // A legend is UTF-16 on Windows; where wchar_t is wider, a character beyond it is no key's.
    const std::uint32_t unit = static_cast<std::uint32_t>(c);
    if (unit > 0xFFFF) return {TKeyMeaning::Break, {}};
    text.push_back(static_cast<char16_t>(c));
  }
  return {TKeyMeaning::Text, text};
}

bool ShortcutHeld(const std::function<bool(std::uint8_t code)>& isDown) {
  const bool ctrl = isDown(VkLControl) || isDown(VkRControl);
  return (ctrl && !isDown(VkRMenu)) || isDown(VkLMenu) || isDown(VkLWin) || isDown(VkRWin);
}

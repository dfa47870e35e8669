#include "keys/vk_classes.h"

#include "keys/vk_codes.h"

namespace {

bool InRange(std::uint8_t vk, TVk first, TVk last) { return vk >= first && vk <= last; }

}  // namespace

bool IsModifierVk(std::uint8_t vk) { return vk == VkLWin || vk == VkRWin || InRange(vk, VkLShift, VkRMenu); }

bool IsLockOrModifierVk(std::uint8_t vk) {
  return vk == VkCapital || vk == VkNumLock || vk == VkScroll || IsModifierVk(vk);
}

bool IsCharacterVk(std::uint8_t vk) {
  return vk == VkSpace || InRange(vk, Vk0, VkZ) || InRange(vk, VkNumpad0, VkDivide) || InRange(vk, VkOem1, VkAbntC2) ||
         InRange(vk, VkOem4, VkOem102);
}

bool IsPositionVk(std::uint8_t vk) {
  return InRange(vk, Vk0, VkZ) || InRange(vk, VkOem1, VkAbntC2) || InRange(vk, VkOem4, VkOem102);
}

bool IsExtendedVk(std::uint8_t vk) {
  return InRange(vk, VkPrior, VkDelete) || vk == VkLWin || vk == VkRWin || vk == VkApps || vk == VkSleep ||
         vk == VkDivide || vk == VkNumLock || vk == VkRShift || vk == VkRControl || vk == VkRMenu ||
         InRange(vk, VkBrowserBack, VkLaunchApp2);
}

bool IsCommandVk(std::uint8_t vk) {
  switch (vk) {
    case VkBack:
    case VkTab:
    case VkReturn:
    case VkPause:
    case VkCapital:
    case VkEscape:
    case VkPrior:
    case VkNext:
    case VkEnd:
    case VkHome:
    case VkLeft:
    case VkUp:
    case VkRight:
    case VkDown:
    case VkSnapshot:
    case VkInsert:
    case VkDelete:
    case VkLWin:
    case VkRWin:
    case VkApps:
    case VkNumLock:
    case VkScroll:
    case VkLShift:
    case VkRShift:
    case VkLControl:
    case VkRControl:
    case VkLMenu:
    case VkRMenu: return true;
    default: return InRange(vk, VkKana, VkKanji);  // the input method keys
  }
}

bool IsFunctionVk(std::uint8_t vk) {
  return InRange(vk, VkF1, VkF24) || InRange(vk, VkBrowserBack, VkLaunchApp2) || vk == VkOem232;
}

#include "keyboard/vk_classes.h"

namespace {

bool InRange(std::uint8_t vk, int first, int last) { return vk >= first && vk <= last; }

}  // namespace

bool IsModifierVk(std::uint8_t vk) { return vk == 91 || vk == 92 || InRange(vk, 160, 165); }

bool IsLockOrModifierVk(std::uint8_t vk) {
  return vk == 20 || vk == 144 || vk == 145 || IsModifierVk(vk);
}

bool IsCharacterVk(std::uint8_t vk) {
  return vk == 32 || InRange(vk, 48, 90) || InRange(vk, 96, 111) || InRange(vk, 186, 194) ||
         InRange(vk, 219, 226);
}

bool IsPositionVk(std::uint8_t vk) {
  return InRange(vk, 48, 90) || InRange(vk, 186, 194) || InRange(vk, 219, 226);
}

bool IsExtendedVk(std::uint8_t vk) {
  return InRange(vk, 33, 46) || vk == 91 || vk == 92 || vk == 93 || vk == 95 || vk == 111 ||
         vk == 144 || vk == 161 || vk == 163 || vk == 165 || InRange(vk, 166, 183);
}

bool IsCommandVk(std::uint8_t vk) {
  switch (vk) {
    case 8: case 9: case 13: case 19: case 20: case 21: case 22: case 23: case 24: case 25:
    case 27: case 33: case 34: case 35: case 36: case 37: case 38: case 39: case 40: case 44:
    case 45: case 46: case 91: case 92: case 93: case 144: case 145: case 160: case 161:
    case 162: case 163: case 164: case 165:
      return true;
    default:
      return false;
  }
}

bool IsFunctionVk(std::uint8_t vk) {
  return InRange(vk, 112, 135) || InRange(vk, 166, 183) || vk == 232;
}

#include "scanning/switch_key.h"

#include <algorithm>

const std::array<std::uint8_t, SwitchKeyCount> SwitchKeyCodes = {
    VkSpace,  VkF1,     VkF1 + 1, VkF1 + 2,  VkF1 + 3,  VkF1 + 4, VkF1 + 5, VkF1 + 6,
    VkF1 + 7, VkF1 + 8, VkF1 + 9, VkF1 + 10, VkF1 + 11, VkReturn, VkPause,  VkScroll,
};

std::uint8_t LimitScanKey(int stored) {
  const bool known = std::find(SwitchKeyCodes.begin(), SwitchKeyCodes.end(), stored) != SwitchKeyCodes.end();
  return known ? static_cast<std::uint8_t>(stored) : ScanKeyDefault;
}

TSwitchKeyAction TSwitchKeyFilter::OnKey(std::uint32_t vk, bool down, bool injected) {
  if (injected || vk != FKey) return TSwitchKeyAction::Pass;
  if (!down) {
    FHeld = false;
    return TSwitchKeyAction::Swallow;
  }
  if (FHeld) return TSwitchKeyAction::Swallow;
  FHeld = true;
  return TSwitchKeyAction::Press;
}

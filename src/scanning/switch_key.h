#pragma once
// The keyboard key that works as the scanning switch, and what the low-level keyboard hook does
// with each key event while scanning is on.
#include <array>
#include <cstdint>

#include "keys/vk_codes.h"

// The keys a user can choose as the switch, in the order of the settings list: Space, F1 to F12,
// Enter, Pause, Scroll Lock.
constexpr int SwitchKeyCount = 16;
extern const std::array<std::uint8_t, SwitchKeyCount> SwitchKeyCodes;
constexpr std::uint8_t ScanKeyDefault = VkSpace;
// A stored switch key: itself when it is one of SwitchKeyCodes, otherwise the default.
std::uint8_t LimitScanKey(int stored);

// What the hook does with one key event.
enum class TSwitchKeyAction {
  Pass,     // to the next hook and the focused program
  Swallow,  // never reaches the focused program
  Press,    // swallowed, and a switch press
};

// Decides about the key events the hook sees. Events injected by a program (the keyboard's own
// SendInput among them) always pass, so the on-screen key of the switch still types. A held key's
// repeats and its release are swallowed without another press.
class TSwitchKeyFilter {
 public:
  explicit TSwitchKeyFilter(std::uint8_t switchKey) : FKey(LimitScanKey(switchKey)) {}

  TSwitchKeyAction OnKey(std::uint32_t vk, bool down, bool injected);
  std::uint8_t Key() const { return FKey; }

 private:
  std::uint8_t FKey;
  bool FHeld = false;
};

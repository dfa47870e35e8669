#pragma once
// Telling mouse messages that the system generated from pen or touch input from those of a real
// mouse, by the value GetMessageExtraInfo returns for the message.
#include <cstdint>

#include "input/input_window.h"

// The upper 24 bits of the extra information of a mouse message generated from pen or touch.
constexpr std::uint32_t PenOrTouchSignatureMask = 0xFFFFFF00;
constexpr std::uint32_t PenOrTouchSignature = 0xFF515700;
// Within a signed value: set for touch, clear for pen.
constexpr std::uint32_t TouchSignatureBit = 0x80;

constexpr bool HasPenOrTouchSignature(std::uint32_t extraInfo) {
  return (extraInfo & PenOrTouchSignatureMask) == PenOrTouchSignature;
}

constexpr bool IsTouchSignature(std::uint32_t extraInfo) {
  return HasPenOrTouchSignature(extraInfo) && (extraInfo & TouchSignatureBit) != 0;
}

constexpr bool IsPenSignature(std::uint32_t extraInfo) {
  return HasPenOrTouchSignature(extraInfo) && (extraInfo & TouchSignatureBit) == 0;
}

constexpr TMessageOrigin MessageOriginFromExtraInfo(std::uint32_t extraInfo) {
  return TMessageOrigin{IsTouchSignature(extraInfo), IsPenSignature(extraInfo)};
}

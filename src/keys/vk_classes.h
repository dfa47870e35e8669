#pragma once
// Fixed classes of Windows virtual-key codes (1..255) used by the keyboard model, the press logic
// and the key drawing.
#include <cstdint>

// Keys that latch until the next ordinary key: both Windows keys, left/right Shift, Ctrl, Alt.
bool IsModifierVk(std::uint8_t vk);

// Keys whose press can change every legend, so the whole keyboard is redrawn: the modifiers plus
// Caps Lock, Num Lock and Scroll Lock.
bool IsLockOrModifierVk(std::uint8_t vk);

// Keys that show a character legend: Space, digits, letters, numeric pad, punctuation.
bool IsCharacterVk(std::uint8_t vk);

// Character keys that move to where the current input language has them (digits, letters,
// punctuation; not Space and not the numeric pad).
bool IsPositionVk(std::uint8_t vk);

// Keys sent with the extended-key flag.
bool IsExtendedVk(std::uint8_t vk);

// Colour class "command": editing, navigation, lock and modifier keys.
bool IsCommandVk(std::uint8_t vk);

// Colour class "function": F1..F24, browser/volume/media/launch keys, and 232.
bool IsFunctionVk(std::uint8_t vk);

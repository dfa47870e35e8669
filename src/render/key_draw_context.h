#pragma once
// What a key reads from the keyboard it belongs to while it draws itself. The keyboard control
// is the only implementation; keys never change it.
#include <cstdint>
#include <string>

#include "keys/keyboard_services.h"
#include "keys/vk_codes.h"

// The keyboard state character legends are drawn in: a held Ctrl without the right Alt does not
// change the characters shown.
inline TKeyboardState LegendDrawState(TKeyboardState state) {
  if (state[VkControl] != 0 && state[VkRMenu] == 0) state[VkControl] = 0;
  return state;
}

class TKeyDrawContext {
 public:
  // Whether drawing reaches the image at all.
  virtual bool PaintEnabled() const = 0;
  // The name shown on the key of a code ("Backsp", "Umschalt", ...).
  virtual const std::wstring& KeyName(std::uint8_t code) const = 0;
  // How many keys are shown pressed.
  virtual int PressedCount() const = 0;
  // The keyboard state as shown (modifiers latched on the keyboard, the lock keys' toggles).
  virtual const TKeyboardState& KeyState() const = 0;
  // Name and character font sizes from which legends are drawn regular instead of in their style.
  virtual int BoldNameLimit() const = 0;
  virtual int BoldCharLimit() const = 0;
  // The character legend of a code under a keyboard state.
  virtual std::wstring Legend(std::uint8_t code, const TKeyboardState& state) const = 0;

 protected:
  ~TKeyDrawContext() = default;
};

#pragma once
// Typing text as characters, whatever keys the focused window's layout has.
#include <string>

class TTextInjector {
 public:
  virtual ~TTextInjector() = default;
  // Each character as a key-down and a key-up of that character.
  virtual void TypeText(const std::u16string& text) = 0;
  // A Backspace key press: the character before the caret erased.
  virtual void EraseCharacter() = 0;
};

#pragma once
// Text typed as Unicode characters through SendInput (KEYEVENTF_UNICODE): the characters arrive
// as they are, whether or not the focused window's layout has keys for them.
#include <windows.h>

#include <string>
#include <vector>

#include "words/text_injection.h"

// A key-down and a key-up record for each UTF-16 unit of text (a surrogate pair gives two pairs).
std::vector<INPUT> MakeUnicodeInputs(const std::u16string& text);

class TUnicodeTextInjector : public TTextInjector {
 public:
  // Sends the records of text in one call, so that no other input comes between them.
  void TypeText(const std::u16string& text) override;
  void EraseCharacter() override;
};

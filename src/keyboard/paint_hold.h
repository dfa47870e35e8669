#pragma once
// Holds a keyboard's painting off for as long as it lives, however the work in between ends, and
// gives it back as it was: the keyboard is then drawn once, with every change made meanwhile.
#include "keyboard/lv_keyboard.h"

class TPaintHold {
 public:
  explicit TPaintHold(TLvKeyboard& keyboard) : FKeyboard(keyboard), FWasEnabled(keyboard.PaintEnabled()) {
    FKeyboard.SetPaintEnabled(false);
  }
  ~TPaintHold() {
    // Also after a failed layout load, which leaves painting off.
    FKeyboard.SetPaintEnabled(FWasEnabled);
  }
  TPaintHold(const TPaintHold&) = delete;
  TPaintHold& operator=(const TPaintHold&) = delete;

 private:
  TLvKeyboard& FKeyboard;
  bool FWasEnabled;
};

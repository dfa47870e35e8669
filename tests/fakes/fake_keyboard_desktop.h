#pragma once
// Desktop for keyboard tests: a settable resolution and a busy count that records its changes.
#include <vector>

#include "keyboard/keyboard_desktop.h"

class TFakeKeyboardDesktop : public TKeyboardDesktop {
 public:
  int Ppi = 96;
  int BusyCount = 0;
  std::vector<int> BusyHistory;  // BusyCount after every call

  int ScreenPpi() override { return Ppi; }
  void BeginBusy(bool reset) override {
    BusyCount = reset ? 1 : BusyCount + 1;
    BusyHistory.push_back(BusyCount);
  }
  void EndBusy(bool reset) override {
    BusyCount = reset ? 0 : (BusyCount > 0 ? BusyCount - 1 : 0);
    BusyHistory.push_back(BusyCount);
  }
};

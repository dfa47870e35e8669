#pragma once
// What the keyboard control needs of the desktop: the screen's resolution (for the sizes below
// which legends are bold) and the busy cursor shown while a layout is built.
#include <functional>
#include <utility>

#include "platform/busy_cursor.h"

class TKeyboardDesktop {
 public:
  virtual ~TKeyboardDesktop() = default;
  // The screen's logical pixels per inch (96 at 100 %).
  virtual int ScreenPpi() = 0;
  // Opens / closes a busy section (see platform/busy_cursor.h); reset sets the count to 1 / 0.
  virtual void BeginBusy(bool reset) = 0;
  virtual void EndBusy(bool reset) = 0;
};

// The program's desktop: the process-wide busy cursor, and the screen resolution from a function
// the program supplies.
class TProcessKeyboardDesktop : public TKeyboardDesktop {
 public:
  explicit TProcessKeyboardDesktop(std::function<int()> screenPpi) : FScreenPpi(std::move(screenPpi)) {}
  int ScreenPpi() override { return FScreenPpi ? FScreenPpi() : 96; }
  void BeginBusy(bool reset) override { ::BeginBusy(reset); }
  void EndBusy(bool reset) override { ::EndBusy(reset); }

 private:
  std::function<int()> FScreenPpi;
};

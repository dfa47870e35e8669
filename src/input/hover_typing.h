#pragma once
// Hover typing on the keyboard: the hover check (THoverPress) turned into presses on the click
// road of the pointer handlers, so that latching, the Apps-key branch and the lock keys behave as
// they do for a left click, and the running time shown on the hovered key.
//
// A key that fires is pressed at one check and released at the next, so that it shows pressed
// for one check interval; that release ends the hover's own press only. Every other press the
// pointer handlers accept (a click, a tap) spends the visit of its key, whenever it came.
#include <cstdint>

#include "input/hover_press.h"

class TLvKeyboard;
class TPointerInput;

class THoverTyping {
 public:
  THoverTyping(TLvKeyboard& keyboard, TPointerInput& pointer, int time, int tolerance);
  THoverTyping(const THoverTyping&) = delete;
  THoverTyping& operator=(const THoverTyping&) = delete;

  void SetTime(int time) { FHover.SetTime(time); }
  int Time() const { return FHover.Time(); }
  void SetTolerance(int tolerance) { FHover.SetTolerance(tolerance); }

  // One check at time now.
  void Check(std::uint32_t now, const THoverSample& sample);
  // Ends hover typing for now: a fired key is released, the progress shown is taken away and the
  // visit forgotten.
  void Stop();
  // A key pressed by the last check waits for its release.
  bool ReleasePending() const { return FReleasePending; }
  // Nothing to time until the pointer is over another key than code (0 for none), and no
  // release waiting: the periodic check may rest.
  bool Idle() const { return FHover.Idle() && !FReleasePending; }
  bool NeedsCheck(std::uint8_t code) const { return FHover.NeedsCheck(code) || FReleasePending; }

 private:
  void ShowProgress(std::uint8_t code, int progress);
  void ReleaseFired();

  THoverPress FHover;
  TLvKeyboard& FKeyboard;
  TPointerInput& FPointer;
  bool FReleasePending = false;
  // The pointer's presses taken into account, and whether the checks stopped since.
  std::uint32_t FPressesSeen = 0;
  bool FStopped = true;
  // The key that shows a running time (0 none).
  std::uint8_t FShownKey = 0;
};

#pragma once
// When switch scanning runs: while it is switched on and the keyboard is on screen (shown, not
// minimised). Off screen nothing scans: no highlight steps, no hook holds the switch key and no
// timer runs.

struct TScanConditions {
  bool On = false;
  bool Shown = false;
  bool Minimised = false;
};

bool ScanMayRun(const TScanConditions& conditions);

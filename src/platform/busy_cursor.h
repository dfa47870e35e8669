#pragma once
// The busy (hourglass) cursor, counted so that nested busy sections keep it up until the last
// one ends.

class TBusyCursorDisplay {
 public:
  virtual ~TBusyCursorDisplay() = default;
  virtual void ShowWaitCursor() = 0;
  virtual void ShowDefaultCursor() = 0;
};

// Number of open busy sections; never below 0.
extern int BusyCount;

// The display the busy cursor is shown on; none (nullptr) draws nothing, which is how the
// process starts until the program installs its display.
void SetBusyCursorDisplay(TBusyCursorDisplay* display);

void BeginBusy(bool reset);
void EndBusy(bool reset);

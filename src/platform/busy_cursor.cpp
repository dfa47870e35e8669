#include "platform/busy_cursor.h"

int BusyCount = 0;

namespace {
TBusyCursorDisplay* busyDisplay = nullptr;
}

void SetBusyCursorDisplay(TBusyCursorDisplay* display) { busyDisplay = display; }

void BeginBusy(bool reset) {
  BusyCount = reset ? 1 : BusyCount + 1;
  if (busyDisplay) busyDisplay->ShowWaitCursor();
}

void EndBusy(bool reset) {
  BusyCount = reset ? 0 : BusyCount - 1;
  if (BusyCount < 0) BusyCount = 0;
  if (BusyCount == 0 && busyDisplay) busyDisplay->ShowDefaultCursor();
}

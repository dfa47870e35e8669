#pragma once
// The hourglass cursor while the busy count is above zero.

// Shows the system's wait cursor while the program is busy (see platform/busy_cursor.h).
void InstallBusyCursorDisplay();

#pragma once
// The system's tablet input service ("TabletInputService"): stopped while the keyboard runs on a
// computer with a multi-input digitizer, started again when the keyboard closes. Failures (no
// rights, no such service, not running) are silent. Also the pen settings of the keyboard window.
#include <windows.h>

// This process stopped the service and must start it again when it closes.
extern bool TabletServiceStopped;

// Stops the service if it is running, and then sets TabletServiceStopped.
void StopTabletService();
// Asks the service to start; does not wait for it.
void StartTabletService();

// Asks the pen service for no press-and-hold, flicks or feedback on window.
void SetTabletPenServiceProperty(HWND window);
// Whether the computer has a digitizer that takes several touches at once.
bool HasMultiTouchDigitizer();

#include "platform/win32/busy_cursor_display.h"

#include <windows.h>

#include "platform/busy_cursor.h"

namespace {

class TWin32BusyCursor : public TBusyCursorDisplay {
 public:
  void ShowWaitCursor() override { SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }
  void ShowDefaultCursor() override { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }
};

}  // namespace

void InstallBusyCursorDisplay() {
  static TWin32BusyCursor display;
  SetBusyCursorDisplay(&display);
}

#include "words/win32/focused_control.h"

#include <cstdint>
#include <string>

#include "words/password_rule.h"

TFocusedControl ReadFocusedControl() {
  TFocusedControl control;
  control.Foreground = GetForegroundWindow();
  if (!control.Foreground) return control;
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(control.Foreground, nullptr), &info)) return control;
  control.Focus = info.hwndFocus;
  control.Caret = info.hwndCaret;
  control.CaretRect = info.rcCaret;
  if (control.Focus) {
    wchar_t className[256] = {};
    GetClassNameW(control.Focus, className, 256);
    const auto style = static_cast<std::uint32_t>(GetWindowLongW(control.Focus, GWL_STYLE));
    control.Password = IsPasswordEdit(className, style);
  }
  return control;
}

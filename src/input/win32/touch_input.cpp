#include "input/win32/touch_input.h"

#include <vector>

#include "platform/win32/system_library.h"
#include "platform/win32/win32_handles.h"

TTouchFunctions TTouchFunctions::Resolve(HMODULE user32) {
  TTouchFunctions f;
  if (reinterpret_cast<ULONG_PTR>(user32) <= 32) return f;
  f.GetTouchInputInfo = ModuleFunction<GetTouchInputInfoFn>(user32, "GetTouchInputInfo");
  f.CloseTouchInputHandle = ModuleFunction<CloseTouchInputHandleFn>(user32, "CloseTouchInputHandle");
  f.PhysicalToLogicalPoint = ModuleFunction<PhysicalToLogicalPointFn>(user32, "PhysicalToLogicalPoint");
  return f;
}

TTouchEvent TouchToMouseEvent(const TOUCHINPUT& input, HWND window, const TTouchFunctions& touch) {
  TTouchEvent event;
  event.kind = TouchEventKind(input.dwFlags);
  POINT p{TouchHundredthsToPixels(input.x), TouchHundredthsToPixels(input.y)};
  if (touch.PhysicalToLogicalPoint) touch.PhysicalToLogicalPoint(window, &p);
  ScreenToClient(window, &p);
  event.x = static_cast<std::int16_t>(p.x);
  event.y = static_cast<std::int16_t>(p.y);
  return event;
}

void HandleTouchMessage(HWND window, int keysTop, WPARAM wParam, LPARAM lParam, const TTouchFunctions& touch,
                        TPointerInput& pointer, TMessageOrigin origin) {
  const TTouchInputHandle handle(reinterpret_cast<HTOUCHINPUT>(lParam), TTouchInputCloser{touch.CloseTouchInputHandle});
  if (!touch.GetTouchInputInfo) return;
  const UINT count = LOWORD(wParam);
  std::vector<TOUCHINPUT> inputs(count);
  if (count == 0 || !touch.GetTouchInputInfo(handle.Get(), count, inputs.data(), sizeof(TOUCHINPUT))) return;
  for (const TOUCHINPUT& input : inputs) {
    TTouchEvent event = TouchToMouseEvent(input, window, touch);
    event.y = static_cast<std::int16_t>(event.y - keysTop);
    pointer.HandleTouchPoint(event, static_cast<int>(input.dwID), origin);
  }
}

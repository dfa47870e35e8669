#include "input/pointer_input.h"

#include "input/key_press.h"
#include "keyboard/lv_keyboard.h"
#include "keys/vk_codes.h"
#include "platform/scope_exit.h"
#include "render/lv_btn.h"

TTouchKind TouchEventKind(std::uint32_t flags) {
  if (flags & TouchEventFMove) return TTouchKind::MouseMove;
  if (flags & TouchEventFDown) return TTouchKind::LButtonDown;
  if (flags & TouchEventFUp) return TTouchKind::LButtonUp;
  return TTouchKind::None;
}

TPointerInput::TPointerInput(TLvKeyboard& keyboard, TKeyPress& press, TInputWindow& window, std::uint32_t windowsBuild)
    : FFilterInRangeMouse(windowsBuild >= FilterInRangeMouseBuild),
      FLastTouchTick(window.TickCount()),
      FKeyboard(keyboard),
      FPress(press),
      FWindow(window) {}

bool TPointerInput::FilteredInRange(TSender sender) const {
  return FFilterInRangeMouse && FPointerInRange && sender != TSender::None;
}

bool TPointerInput::EndsOwnPress(TSender sender, TMouseButton button) const {
  return sender != TSender::None && FPaintBoxPressButton == button;
}

bool TPointerInput::GeneratedFromTouch(TMessageOrigin origin) const { return FTouchActive && origin.Touch; }

void TPointerInput::pbKeyboardMouseDown(TSender sender, TMouseButton button, int X, int Y, TMessageOrigin origin) {
  if (FilteredInRange(sender)) return;
  const std::uint32_t now = FWindow.TickCount();
  if (X == FLastDownX && Y == FLastDownY && static_cast<std::uint32_t>(now - FLastDownTick) < DuplicatePressTime &&
      origin.Pen) {
    FIgnoreMouseUp = true;
    return;
  }
  if (GeneratedFromTouch(origin)) return;
  PressAt(X, Y, button, sender != TSender::None ? std::optional<TMouseButton>(button) : std::nullopt, now);
}

void TPointerInput::PressAt(int X, int Y, TMouseButton button, std::optional<TMouseButton> paintBoxButton,
                            std::uint32_t now) {
  // Any other press ends hover typing's one first, as a release would have a moment later.
  HoverRelease();

  ++FPresses;
  FLastDownX = X;
  FLastDownY = Y;
  FLastDownTick = now;
  FIgnoreMouseUp = false;
  FPaintBoxPressButton = paintBoxButton;

  const std::uint8_t code = FKeyboard.KeyAt(X, Y);
  if (code == VkApps && FKeyboard.PressedCount() == 0)
    FPress.AppsKeyPress();
  else if (code)
    FPress.PressKey(code, button);
  if (!code && button == TMouseButton::Left && FWindow.WindowVisible()) FDragOrigin = FWindow.CursorPos();
  FKeyboard.Present();
}

void TPointerInput::pbKeyboardMouseUp(TSender sender, TMouseButton button, int /*X*/, int /*Y*/,
                                      TMessageOrigin origin) {
  // Only the mouse road's releases are dropped after a duplicate pen press: the release of the
  // touch road ends the press it made itself, whichever order the two roads arrive in.
  if (FIgnoreMouseUp && sender != TSender::None) return;
  if (FilteredInRange(sender) && !EndsOwnPress(sender, button)) return;
  if (GeneratedFromTouch(origin)) return;
  FPaintBoxPressButton.reset();
  FDragOrigin = NoDragOrigin;
  if (!FPress.PressedBtn()) return;
  FPress.ReleaseHeldKey();
  FKeyboard.Present();
}

void TPointerInput::HoverPress(int X, int Y) {
  PressAt(X, Y, TMouseButton::Left, std::nullopt, FWindow.TickCount());
  FHoverPressHeld = FPress.PressedBtn() != nullptr;
}

void TPointerInput::HoverRelease() {
  if (!FHoverPressHeld) return;
  FHoverPressHeld = false;
  if (!FPress.PressedBtn()) return;
  FPress.ReleaseHeldKey();
  FKeyboard.Present();
}

void TPointerInput::CaptureLost() {
  if (!FPaintBoxPressButton) return;
  FPaintBoxPressButton.reset();
  FDragOrigin = NoDragOrigin;
  FIgnoreMouseUp = false;
  if (!FPress.PressedBtn()) return;
  FPress.ReleaseHeldKey();
  FKeyboard.Present();
}

void TPointerInput::pbKeyboardMouseMove(TSender /*sender*/, int X, int Y, TMessageOrigin origin) {
  if (GeneratedFromTouch(origin)) return;
  if (FTouchActive && static_cast<std::uint32_t>(FWindow.TickCount() - FLastTouchTick) < TouchQuietTime &&
      FWindow.IsCursorSuppressed())
    return;
  if (!Dragging()) {
    FKeyboard.TrackHot(X, Y);
    return;
  }
  const TPoint cursor = FWindow.CursorPos();
  const TPoint before = FWindow.WindowPos();
  FWindow.MoveWindowTo(before.x + cursor.x - FDragOrigin.x, before.y + cursor.y - FDragOrigin.y);
  // A coordinate the window refused keeps its origin, so motion along it has no effect.
  const TPoint after = FWindow.WindowPos();
  if (after.x != before.x) FDragOrigin.x = cursor.x;
  if (after.y != before.y) FDragOrigin.y = cursor.y;
}

void TPointerInput::pbKeyboardMouseEnter(TSender /*sender*/) {}

void TPointerInput::pbKeyboardMouseLeave(TSender sender, TMessageOrigin origin) {
  if (FPointerInRange && sender != TSender::None) return;
  if (GeneratedFromTouch(origin)) return;
  FKeyboard.ClearHot(true);
  pbKeyboardMouseUp(sender, TMouseButton::Left, 0, 0, origin);
}

void TPointerInput::pbKeyboardPaint() { FKeyboard.Present(); }

void TPointerInput::HandleTouchPoint(const TTouchEvent& event, int id, TMessageOrigin origin) {
  // The handlers called from here must not take these calls for generated mouse messages.
  FTouchActive = false;
  TScopeExit touchRoad([this] { FTouchActive = true; });
  FLastTouchTick = FWindow.TickCount();
  const int x = event.x;
  const int y = event.y;
  switch (event.kind) {
    case TTouchKind::LButtonDown:
      if (FTouchId != -1) pbKeyboardMouseUp(TSender::None, TMouseButton::Left, 0, 0, origin);
      FTouchId = id;
      FDragOrigin = NoDragOrigin;
      pbKeyboardMouseEnter(TSender::None);
      pbKeyboardMouseMove(TSender::None, x, y, origin);
      pbKeyboardMouseDown(TSender::None, TMouseButton::Left, x, y, origin);
      break;
    case TTouchKind::LButtonUp:
      if (id != FTouchId) break;
      FTouchId = -1;
      pbKeyboardMouseUp(TSender::None, TMouseButton::Left, x, y, origin);
      if (FPointerInRange && !FWindow.IsCursorSuppressed())
        FKeyboard.TrackHot(x, y);
      else
        FKeyboard.ClearHot(true);
      break;
    case TTouchKind::MouseMove:
      if (id == FTouchId) pbKeyboardMouseMove(TSender::None, x, y, origin);
      break;
    case TTouchKind::None: break;
  }
}

void TPointerInput::WMPointerEnter(int X, int Y, TMessageOrigin origin) {
  FPointerInRange = true;
  pbKeyboardMouseMove(TSender::Window, X, Y, origin);
}

void TPointerInput::WMPointerLeave() {
  FPointerInRange = false;
  FKeyboard.ClearHot(true);
}

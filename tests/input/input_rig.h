#pragma once
// The press logic and the pointer handlers wired to a real keyboard control on fakes, with a
// small keyboard of 30 x 30 keys (one pixel per layout unit):
//
//   y 0..30    Backspace 8, Enter 13 (two parts: 30..60 main, 60..90 numeric pad), Caps Lock 20,
//              Escape 27, Delete 46, Left 37, Up 38, Right 39, Down 40
//   y 30..60   A 65, S 83, Apps 93, Num Lock 144, Scroll Lock 145
//   y 60..90   left/right Shift 160/161, left/right Ctrl 162/163, left/right Alt 164/165,
//              left/right Windows 91/92
//   y 100..200 background (no key)
//
// The window's timers fire tmrPressTimer with EnableKeyRepeat and, for tmrSettings, the window's
// own handler (it stops the timer and counts the settings dialog shown).
#include <cstdint>
#include <vector>

#include "fakes/fake_canvas.h"
#include "fakes/fake_keyboard_desktop.h"
#include "fakes/fake_keyboard_services.h"
#include "fakes/recording_key_injector.h"
#include "input/fake_input_window.h"
#include "input/key_press.h"
#include "input/pointer_input.h"
#include "keyboard/lv_keyboard.h"
#include "render/lv_btn.h"

// Message origins.
constexpr TMessageOrigin FromMouse{false, false};
constexpr TMessageOrigin FromTouch{true, false};
constexpr TMessageOrigin FromPen{false, true};

// A build before and one at the start of filtering the paint box's presses while in range.
constexpr std::uint32_t BuildBeforeInRangeFilter = 15063;
constexpr std::uint32_t BuildWithInRangeFilter = 19045;

inline TLayoutPoints RectKey(int left, int top) { return {{left, top}, {left + 30, top + 30}}; }

struct TInputRig {
  FakeSurface paintBox;
  FakeSurfaceFactory surfaces;
  TFakeKeyboardServices services;
  TRecordingKeyInjector injector;
  TFakeKeyboardDesktop desktop;
  TFakeInputWindow window;
  TLvKeyboard keyboard;
  TKeyPress press;
  TPointerInput pointer;
  bool EnableKeyRepeat = true;
  int SettingsShown = 0;

  explicit TInputRig(std::uint32_t windowsBuild = BuildWithInRangeFilter)
      : keyboard(SizedPaintBox(paintBox), surfaces, services, injector, desktop),
        press(keyboard, injector, window),
        pointer(keyboard, press, window, windowsBuild) {
    const int row0[] = {8, -1, 20, 27, 46, 37, 38, 39, 40};
    int x = 0;
    for (int code : row0) {
      if (code == -1) {
        x += 60;  // Enter, below
        continue;
      }
      keyboard.AddKey(static_cast<std::uint8_t>(code), RectKey(x, 0));
      x += 30;
    }
    keyboard.AddKey(13,
                    {{30, 0}, {60, 0}, {60, 30}, {30, 30}, TLvBtn::Separator, {60, 0}, {90, 0}, {90, 30}, {60, 30}});
    const int row1[] = {65, 83, 93, 144, 145};
    x = 0;
    for (int code : row1) {
      keyboard.AddKey(static_cast<std::uint8_t>(code), RectKey(x, 30));
      x += 30;
    }
    const int row2[] = {160, 161, 162, 163, 164, 165, 91, 92};
    x = 0;
    for (int code : row2) {
      keyboard.AddKey(static_cast<std::uint8_t>(code), RectKey(x, 60));
      x += 30;
    }
    keyboard.SetActive(true);
    injector.Events.clear();

    window.Handlers[TInputTimer::tmrPress] = [this] { press.tmrPressTimer(EnableKeyRepeat); };
    window.Handlers[TInputTimer::tmrSettings] = [this] {
      window.EnableTimer(TInputTimer::tmrSettings, false, TKeyPress::SettingsDelay);
      ++SettingsShown;
    };
  }

  // The centre of a key's outline; for Enter, of the part asked for.
  TPoint Centre(int code, bool extendedPart = false) const {
    if (code == 13) return {extendedPart ? 75 : 45, 15};
    const TLvBtn* key = keyboard.Key(code);
    return {key->GetLeft() + key->GetWidth() / 2, key->GetTop() + key->GetHeight() / 2};
  }
  static constexpr TPoint Background{200, 150};

  // A mouse press and release on a key as the paint box reports them: the pointer moves there,
  // goes down, and after heldMs comes up.
  void MouseDown(TPoint p, TMouseButton button = TMouseButton::Left, TMessageOrigin origin = FromMouse) {
    pointer.pbKeyboardMouseMove(TSender::PaintBox, p.x, p.y, origin);
    pointer.pbKeyboardMouseDown(TSender::PaintBox, button, p.x, p.y, origin);
  }
  void MouseUp(TPoint p, TMouseButton button = TMouseButton::Left, TMessageOrigin origin = FromMouse) {
    pointer.pbKeyboardMouseUp(TSender::PaintBox, button, p.x, p.y, origin);
  }
  void Click(int code, TMouseButton button = TMouseButton::Left, std::uint32_t heldMs = 10) {
    MouseDown(Centre(code), button);
    window.Advance(heldMs);
    MouseUp(Centre(code), button);
  }

  // One WM_TOUCH point.
  void Touch(TTouchKind kind, TPoint p, int id, TMessageOrigin origin = FromTouch) {
    pointer.HandleTouchPoint({kind, static_cast<std::int16_t>(p.x), static_cast<std::int16_t>(p.y)}, id, origin);
  }

  bool Shown(int code) const { return keyboard.IsKeyDown(static_cast<std::uint8_t>(code)); }
  std::vector<TKeyEvent> TakeEvents() {
    std::vector<TKeyEvent> events = std::move(injector.Events);
    injector.Events.clear();
    return events;
  }

 private:
  static FakeSurface& SizedPaintBox(FakeSurface& box) {
    box.SetSize(400, 200);
    return box;
  }
};

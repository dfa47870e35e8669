#pragma once
// The keyboard as the program wires it, for timing: a visible top-level window that does not take
// the focus (own device context, as the keyboard window's class has), the window's client area as
// the paint box, GDI surfaces, the system's keyboard services, the program's key legends, the
// SendInput injector behind a wrapper that notes when a key event is handed over, and the press
// and pointer logic on the window's timers.
#include <windows.h>

#include <array>
#include <memory>

#include "app/win32/window_surface.h"
#include "bench_timing.h"
#include "input/key_press.h"
#include "input/pointer_input.h"
#include "input/win32/send_key_event.h"
#include "input/win32/win32_input_window.h"
#include "keyboard/keyboard_desktop.h"
#include "keyboard/lv_keyboard.h"
#include "keyboard/win32/key_legends_win32.h"
#include "keyboard/win32/keyboard_services_win32.h"
#include "render/win32/gdi_canvas.h"

// The work area the timed sizes come from: a 1920 x 1080 screen less a 40-pixel taskbar. "Standard"
// is shown there at 724 x 297.
constexpr TRect BenchWorkArea{0, 0, 1920, 1040};

// Forwards every key event to the real injector, noting the clock just before and just after.
class TTimedKeyInjector : public TKeyInjector {
 public:
  explicit TTimedKeyInjector(TKeyInjector& target) : FTarget(target) {}
  void SendKeyEvent(std::uint16_t code, bool keyUp, bool extended) override {
    const long long before = FClock.Now();
    FTarget.SendKeyEvent(code, keyUp, extended);
    const long long after = FClock.Now();
    if (!keyUp) {
      LastDownCode = code;
      LastDownBefore = before;
      LastDownAfter = after;
    }
    ++Events;
  }

  std::uint16_t LastDownCode = 0;
  long long LastDownBefore = 0;
  long long LastDownAfter = 0;
  long long Events = 0;

 private:
  TKeyInjector& FTarget;
  TClockMs FClock;
};

// A visible window that never takes the focus; its messages are handled only when Pump runs.
class TBenchWindow {
 public:
  TBenchWindow(int clientWidth, int clientHeight);
  ~TBenchWindow();
  TBenchWindow(const TBenchWindow&) = delete;
  TBenchWindow& operator=(const TBenchWindow&) = delete;

  HWND Handle() const { return FHandle; }
  void SetClientSize(int width, int height);
  // Handles every waiting message (paints, timers) and lets Wine bring the window up to date.
  void Pump();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND FHandle = nullptr;
};

// The program's module start-up (helpers, font detection), run once per process before any
// window is made.
struct TBenchModuleStart {
  TBenchModuleStart();
};

class TBenchKeyboard {
 public:
  // The keyboard in colour scheme 6 showing "Standard" at its size on BenchWorkArea.
  TBenchKeyboard();
  ~TBenchKeyboard();

  // What a change of layout costs the program: the load, then the resize of the keyboard window
  // (the window itself only when its size changes, image size, key scaling, legend font sizes,
  // rebuilt picture). Returns the client size.
  TRect LoadAndShow(int layout);
  // The program's FormResize work at a client size.
  void Resize(int width, int height);
  // The same work for any keyboard control whose layout is layoutWidth x layoutHeight.
  static void FitKeyboard(TLvKeyboard& keyboard, int width, int height);

  // Centre of a key in the keyboard image.
  TPoint KeyCentre(int code) const;

  TBenchModuleStart ModuleStart;
  TBenchWindow Window;
  TWindowSurface PaintBox;
  TGdiSurfaceFactory Surfaces;
  TWin32KeyboardServices Services;
  TSendInputKeyInjector SendInput;
  TTimedKeyInjector Injector{SendInput};
  TProcessKeyboardDesktop Desktop;
  TWin32KeyLegends Legends;
  std::unique_ptr<TLvKeyboard> Keyboard;
  std::array<bool, 2> TimerOn{};
  std::unique_ptr<TWin32InputWindow> InputWindow;
  std::unique_ptr<TKeyPress> Press;
  std::unique_ptr<TPointerInput> Pointer;
};

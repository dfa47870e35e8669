#pragma once
// The keyboard window: topmost, never activated by a click, layered for its opacity.
// main_form.cpp holds the window and its message dispatch; main_form_settings.cpp the operations
// that apply a setting and the commands.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "app/win32/base_window.h"
#include "keyboard/keyboard_desktop.h"
#include "keyboard/keyboard_services.h"
#include "keyboard/lv_keyboard.h"
#include "input/key_injection.h"
#include "input/key_press.h"
#include "input/pointer_input.h"
#include "input/win32/touch_input.h"
#include "input/win32/win32_input_window.h"
#include "platform/geometry.h"
#include "render/canvas.h"
#include "settings/app_ini.h"

class TWindowSurface;

// One command of the program: its translated caption and its check mark.
struct TMenuItem {
  std::wstring Caption;
  bool Checked = false;
};

// Sets a flag back to true when a scope ends, also on an error.
struct TFlagRestorer {
  bool& flag;
  ~TFlagRestorer() { flag = true; }
};

enum TTimerId : UINT_PTR {
  tmrPress = 1,
  tmrHKL = 2,
  tmrCapsLock = 3,
  tmrSettings = 4,
  tmrLazySaveSettings = 5,
  tmrCaption = 6,
};

class TMainForm : public TBaseWindow<TMainForm> {
 public:
  // Creates the window (hidden), owned by the application window, and runs FormCreate.
  TMainForm(HWND owner, TAppIni& appIni);
  ~TMainForm();

  // Shows the window without activating it; the first showing runs FormShow.
  void Show();

  // The window-class parameters: the form's own plus topmost and non-activating.
  static DWORD CreateParamsExStyle(DWORD formExStyle);

  // Lifecycle events.
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();
  // Key-ups of the held key and of every key latched or shown pressed: for every way out.
  void ReleaseAllKeys();

  // Application events (the taskbar button belongs to the application window).
  void ApplicationEventsMainMinimize();
  void ApplicationEventsMainRestore();

  bool TimerEnabled(TTimerId id) const { return FTimerEnabled[id]; }
  TLvKeyboard& Keyboard() { return *FKeyboard; }

  // Window behaviour.
  void BuildKeyboard();
  void FormResize();
  void UpdateBorder();

  // Apply operations of the settings.
  void SetEnableKeyRepeat(bool value);
  void SetFitWidth(bool value);
  void SetLockSize(bool value);
  void SetTransparency(int value);
  void BuildSystemMenu();
  void ScheduleLazySave();
  void pmiOnlineHelpClick();

  // The commands, holding their translated captions and check marks.
  TMenuItem pmiEnableKeyRepeat, pmiFitWidth, pmiLockSize, pmiChangeColors, pmiChangeKeyboardType,
      pmiOnlineKeyboard, pmiOnlineHelp, pmiAboutORV, pmiAboutSNT;

 private:
  friend class TBaseWindow<TMainForm>;

  // State fields.
  bool FShown = false;
  int FKeyboardType = 1;
  int FColorScheme = 1;
  int FTransparency = 255;
  bool FEnableKeyRepeat = false;
  bool FFitWidth = false;
  bool FLockSize = false;
  // False while the program itself sizes the window: the size rules do not apply then.
  bool FSizingGuard = true;
  int FLastWorkAreaWidth = 0;
  int FLastWorkAreaHeight = 0;
  HMONITOR FLastMonitor = nullptr;
  // The pointer and press state (drag origin, held and latched keys, repeat timing, the pointer
  // filters and touch contacts) lives in FPointer and FKeyPress.

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void EnableTimer(TTimerId id, bool enabled, UINT interval);
  void OnTimer(TTimerId id);
  TRect WorkArea() const;
  void SetClientSize(int width, int height);
  void RegisterTouch();
  void TranslateCaptions();
  void ShowFirstRunPage();
  void UpdateLegendFontSizes();

  void tmrCaptionTimer();
  void tmrSettingsTimer();
  // Mouse messages of the client area (the paint box pbKeyboard).
  void HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Moves and sizes: the size lock, Fit width, the work-area edges and snapping.
  void WindowPosChanging(WINDOWPOS& pos);

  TAppIni& FAppIni;
  std::unique_ptr<TWindowSurface> FPaintBox;
  std::unique_ptr<TSurfaceFactory> FSurfaces;
  std::unique_ptr<TKeyboardServices> FServices;
  std::unique_ptr<TKeyInjector> FInjector;
  std::unique_ptr<TKeyboardDesktop> FDesktop;
  std::unique_ptr<TKeyLegends> FLegends;
  std::unique_ptr<TLvKeyboard> FKeyboard;
  std::array<bool, 7> FTimerEnabled{};

  std::unique_ptr<TWin32InputWindow> FInputWindow;
  std::unique_ptr<TKeyPress> FKeyPress;
  std::unique_ptr<TPointerInput> FPointer;
  bool FTrackingMouseLeave = false;
  // The window is being destroyed: nothing more is scheduled.
  bool FClosing = false;
  // The window is releasing the mouse capture itself.
  bool FReleasingCapture = false;

  // Touch functions, looked up at run time so that the program runs where they are missing.
  using RegisterTouchWindowFn = BOOL(WINAPI*)(HWND, ULONG);
  using UnregisterTouchWindowFn = BOOL(WINAPI*)(HWND);
  RegisterTouchWindowFn FRegisterTouchWindow = nullptr;
  UnregisterTouchWindowFn FUnregisterTouchWindow = nullptr;
  TTouchFunctions FTouch;
};

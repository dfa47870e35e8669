#pragma once
// The keyboard window: topmost, never activated by a click, layered for its opacity.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "platform/geometry.h"

enum TTimerId : UINT_PTR {
  tmrPress = 1,
  tmrHKL = 2,
  tmrCapsLock = 3,
  tmrSettings = 4,
  tmrLazySaveSettings = 5,
  tmrCaption = 6,
};

class TMainForm {
 public:
  // Creates the window (hidden), owned by the application window, and runs FormCreate.
  explicit TMainForm(HWND owner);
  ~TMainForm();
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  HWND Handle() const { return FHandle; }

  // Shows the window without activating it; the first showing runs FormShow.
  void Show();

  // The window-class parameters: the form's own plus topmost and non-activating.
  static DWORD CreateParamsExStyle(DWORD formExStyle);

  // Lifecycle events.
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();

  // Application events (the taskbar button belongs to the application window).
  void ApplicationEventsMainMinimize();
  void ApplicationEventsMainRestore();

  bool TimerEnabled(TTimerId id) const { return FTimerEnabled[id]; }

  // State fields.
  bool FShown = false;
  int FKeyboardType = 1;
  int FColorScheme = 1;
  int FTransparency = 255;
  bool FEnableKeyRepeat = false;
  bool FFitWidth = false;
  bool FLockSize = false;
  bool FSizingGuard = true;
  int FKbdWidth = 0;
  int FKbdHeight = 0;
  int FLastWorkAreaWidth = 0;
  int FLastWorkAreaHeight = 0;
  HMONITOR FLastMonitor = nullptr;
  TPoint FDragOrigin{-10000, -10000};
  int FRepeatDelay = 600;
  int FRepeatInterval = 20;
  int FLastDownX = 2147483647;
  int FLastDownY = 2147483647;
  DWORD FLastDownTick = 0;
  bool FIgnoreMouseUp = false;
  bool FPointerInRange = false;
  bool FFilterInRangeMouse = false;
  bool FTouchActive = false;
  int FTouchId = -1;
  DWORD FLastTouchTick = 0;
  bool FSliderDragging = false;
  bool FSliderHot = false;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void EnableTimer(TTimerId id, bool enabled, UINT interval);
  void OnTimer(TTimerId id);
  TRect WorkArea() const;
  void SetClientSize(int width, int height);
  void BuildKeyboard();
  void RegisterTouch();

  void tmrCaptionTimer();

  HWND FHandle = nullptr;
  std::array<bool, 7> FTimerEnabled{};
  std::array<UINT, 7> FTimerInterval{};

  // Touch functions, looked up at run time so that the program runs where they are missing.
  using RegisterTouchWindowFn = BOOL(WINAPI*)(HWND, ULONG);
  using UnregisterTouchWindowFn = BOOL(WINAPI*)(HWND);
  RegisterTouchWindowFn FRegisterTouchWindow = nullptr;
  UnregisterTouchWindowFn FUnregisterTouchWindow = nullptr;
  void* FGetTouchInputInfo = nullptr;
  void* FCloseTouchInputHandle = nullptr;
  void* FPhysicalToLogicalPoint = nullptr;
};

extern TMainForm* MainForm;

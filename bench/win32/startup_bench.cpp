// Where the start-up time goes: the steps of the program's entry, timed once each in a process of
// their own (scripts/bench.sh starts the harness with "startup" several times and takes medians).
// The first legend table, which the keyboard control makes in its constructor, is made here just
// before the window, the same way, so that it shows as a step of its own; the keyboard window then
// finds it.
#include "startup_bench.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "app/win32/application.h"
#include "app/win32/main_form.h"
#include "app/win32/relaunch.h"
#include "bench_timing.h"
#include "commands/command_captions.h"
#include "dialog/settings_dialog_plan.h"
#include "input/win32/foreground_window.h"
#include "keyboard/lang_chars.h"
#include "keyboard/lang_chars_fill.h"
#include "keyboard/lang_chars_fill_lock.h"
#include "keyboard/win32/keyboard_services_win32.h"
#include "keyboard/win32/named_objects_win32.h"
#include "keys/vk_codes.h"
#include "platform/win32/busy_cursor_display.h"
#include "platform/win32/program_file.h"
#include "platform/win32/startup_environment.h"
#include "render/win32/font_enum.h"
#include "settings/win32/app_ini_module.h"

namespace {

class TStepClock {
 public:
  TStepClock() : FLast(FClock.Now()), FStart(FLast) {}
  // Prints the time since the previous step under the step's name.
  void Step(const char* name) {
    const long long now = FClock.Now();
    std::printf("startup %-34s %9.2f ms\n", name, FClock.Between(FLast, now));
    std::fflush(stdout);
    FLast = FClock.Now();
  }
  void Total() {
    std::printf("startup %-34s %9.2f ms\n", "total (entry to first picture)", FClock.Between(FStart, FClock.Now()));
  }

 private:
  TClockMs FClock;
  long long FLast;
  long long FStart;
};

// Handles every message waiting, so that the first picture is painted.
void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Handles the messages one at a time until the keyboard window's settings timer fires (the step
// before it is the wait, with whatever was made during it), then until the settings dialog shows
// and every message waiting is handled: the dialog, or null when it did not show within 5 s.
HWND PumpUntilTheSettingsTimer(HWND keyboard, TStepClock& clock) {
  const DWORD start = GetTickCount();
  bool fired = false;
  HWND dialog = nullptr;
  const TClockMs watch;
  while (GetTickCount() - start < 5000) {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (fired) {
        dialog = FindWindowW(L"TSettingsForm", nullptr);
        if (dialog && IsWindowVisible(dialog)) return dialog;
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
      continue;
    }
    if (msg.hwnd == keyboard && msg.message == WM_TIMER && msg.wParam == tmrSettings && !fired) {
      clock.Step("Apps key's timer wait (100 ms)");
      fired = true;
    }
    // The keyboard window's own message that makes the dialog during the wait: timed apart.
    const bool making = msg.hwnd == keyboard && msg.message == WM_APP + 1;
    const long long before = watch.Now();
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (making)
      std::printf("startup %-34s %9.2f ms\n", "settings dialog made (in the wait)", watch.Between(before, watch.Now()));
  }
  return nullptr;
}

// The settings dialog's openings after a click on the Apps key, as a user makes it: the dialog is
// made during the timer's wait, and the timer shows it; then closed, and opened again by the timer
// alone. Returns the exit code.
int BenchDialogOpenings(TMainForm& form, TStepClock& clock) {
  const TLvBtn* apps = form.Keyboard().Key(VkApps);
  if (!apps) {
    std::printf("startup: the layout has no Apps key\n");
    return 1;
  }
  const LPARAM centre = MAKELPARAM(apps->GetLeft() + apps->GetWidth() / 2, apps->GetTop() + apps->GetHeight() / 2);
  SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
  SendMessageW(form.Handle(), WM_LBUTTONUP, 0, centre);
  clock.Step("Apps key click handled");
  const HWND dialog = PumpUntilTheSettingsTimer(form.Handle(), clock);
  clock.Step("settings dialog, first opening");
  if (!dialog) {
    std::printf("startup: the settings dialog did not show\n");
    return 1;
  }
  SendMessageW(dialog, WM_CLOSE, 0, 0);
  PumpMessages();
  clock.Step("settings dialog closed");
  SendMessageW(form.Handle(), WM_TIMER, tmrSettings, 0);
  PumpMessages();
  clock.Step("settings dialog, a later opening");
  return 0;
}

// A bare window of the settings dialog's kind: its class's look, its styles, its size at 96 DPI and
// its owner, no controls. Shown and painted the way the dialog is, it times what Wine itself takes
// to show such a window: the part of an opening the dialog cannot save.
int BenchDialogFloor(HWND owner, TStepClock& clock) {
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  wc.lpszClassName = L"OrvillaBenchDialogKind";
  RegisterClassExW(&wc);
  const std::uint16_t language = GetUserDefaultUILanguage();
  const TSettingsDialogPlan plan = SettingsDialogPlan(TranslateCommandCaptions(language, L"1.0"), language);
  RECT r{0, 0, plan.ClientWidth, plan.ClientHeight};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  for (const char* step : {"bare window of the dialog's kind, first shown", "another one shown"}) {
    const HWND window = CreateWindowExW(exStyle, wc.lpszClassName, plan.Title.c_str(), style, 100, 100,
                                        r.right - r.left, r.bottom - r.top, owner, nullptr, wc.hInstance, nullptr);
    clock.Step("bare window of the dialog's kind made");
    ShowWindow(window, SW_SHOW);
    ForceForegroundWindow(window, true);
    PumpMessages();
    clock.Step(step);
  }
  return 0;
}

}  // namespace

int BenchStartup(bool dialogFloor) {
  TStepClock clock;
  InitStartupEnvironment();
  InstallBusyCursorDisplay();
  clock.Step("InitStartupEnvironment");
  // The first device context on the screen starts the display driver: under Wine that is most of
  // what was once counted as the font system's start. Any program with a window pays it (the bare
  // window inside its first CreateWindowEx).
  ReleaseDC(nullptr, GetDC(nullptr));
  clock.Step("display driver start (first screen DC)");
  // The first question about a font starts the system's font handling, which the first legend
  // text would otherwise pay for.
  InstalledFontFacesAmong({L"Tahoma"});
  clock.Step("font system start (one face asked)");
  DetectFonts();
  clock.Step("DetectFonts (six faces asked)");
  TAppIniModule settings(CommandLineArgs());
  clock.Step("settings module");
  if (NeedsRelaunch()) return 1;
  clock.Step("relaunch check");

  TApplication application;
  Application = &application;
  application.SetTitle(L"Orvilla");
  clock.Step("application window");

  {
    TWin32KeyboardServices services;
    const THkl hkl = services.GetForegroundKeyboardLayout();
    wchar_t buffer[2];
    TKeyboardState state{};
    services.ToUnicodeEx('A', services.MapVirtualKeyExW('A', MapVkVkToVsc, hkl), state, buffer, 2, 0, hkl);
    clock.Step("first translation of the process");
  }

  int exitCode = 0;
  {
    TMainForm form(application.Handle(), *AppIni);
    application.SetMainWindow(form.Handle());
    clock.Step("keyboard window made (layout, sizes, the legends shown)");
    ShowWindow(application.Handle(), SW_SHOWNOACTIVATE);
    form.Show();
    PumpMessages();
    clock.Step("shown and painted");
    clock.Total();
    // After the first picture: what the idle steps fill of the legend table.
    while (form.Keyboard().FillPendingLegends()) {}
    clock.Step("rest of the legend table (idle)");
    exitCode = dialogFloor ? BenchDialogFloor(form.Handle(), clock) : BenchDialogOpenings(form, clock);
  }
  Application = nullptr;
  return exitCode;
}

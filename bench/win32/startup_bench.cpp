// Where the start-up time goes: the steps of the program's entry, timed once each in a process of
// their own (scripts/bench.sh starts the harness with "startup" several times and takes medians).
// The first legend table, which the keyboard control makes in its constructor, is made here just
// before the window, the same way, so that it shows as a step of its own; the keyboard window then
// finds it.
#include "startup_bench.h"

#include <windows.h>

#include <cstdio>

#include "app/win32/application.h"
#include "app/win32/main_form.h"
#include "app/win32/relaunch.h"
#include "bench_timing.h"
#include "keyboard/lang_chars.h"
#include "keyboard/lang_chars_fill.h"
#include "keyboard/lang_chars_fill_lock.h"
#include "keyboard/win32/keyboard_services_win32.h"
#include "keyboard/win32/named_objects_win32.h"
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
  void Total() { std::printf("startup %-34s %9.2f ms\n", "total (entry to first picture)", FClock.Between(FStart, FClock.Now())); }

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

}  // namespace

int BenchStartup() {
  TStepClock clock;
  InitStartupEnvironment();
  InstallBusyCursorDisplay();
  clock.Step("InitStartupEnvironment");
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
    while (form.Keyboard().FillPendingLegends()) {
    }
    clock.Step("rest of the legend table (idle)");
    // The Apps key's timer, as it fires: the first opening makes the dialog, then shows it.
    SendMessageW(form.Handle(), WM_TIMER, tmrSettings, 0);
    PumpMessages();
    clock.Step("settings dialog, first opening");
    const HWND dialog = FindWindowW(L"TSettingsForm", nullptr);
    if (!dialog || !IsWindowVisible(dialog)) std::printf("startup: the settings dialog did not show\n");
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    PumpMessages();
    clock.Step("settings dialog closed");
    SendMessageW(form.Handle(), WM_TIMER, tmrSettings, 0);
    PumpMessages();
    clock.Step("settings dialog, a later opening");
  }
  Application = nullptr;
  return exitCode;
}

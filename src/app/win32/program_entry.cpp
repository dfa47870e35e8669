// Orvilla: an on-screen keyboard that types into whatever program has the focus.
#include <windows.h>

#include "app/win32/application.h"
#include "app/win32/main_form.h"
#include "app/win32/relaunch.h"
#include "platform/win32/busy_cursor_display.h"
#include "platform/win32/fatal_error.h"
#include "platform/win32/program_file.h"
#include "platform/win32/startup_environment.h"
#include "render/win32/font_enum.h"
#include "settings/win32/app_ini_module.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  InitStartupEnvironment();
  DetectFonts();
  TAppIniModule settings(CommandLineArgs());

  if (NeedsRelaunch()) {
    RelaunchWithoutCompatLayer();
    return 0;
  }

  TApplication application;
  Application = &application;
  application.SetTitle(L"Orvilla");
  int exitCode = 0;
  try {
    TMainForm form(application.Handle(), *AppIni);
    InstallFatalErrorHandler([&form] { form.ReleaseAllKeys(); });
    application.SetMainWindow(form.Handle());
    application.OnMinimize = [&form] { form.ApplicationEventsMainMinimize(); };
    application.OnRestore = [&form] { form.ApplicationEventsMainRestore(); };
    // The settings dialog is made by the keyboard window when it is first asked for.
    application.OnPreTranslateMessage = [&form](MSG& msg) { return form.PreTranslateSettingsMessage(msg); };
    form.Show();
    // The taskbar button comes after the keyboard's first picture: nothing of it is seen before.
    ShowWindow(application.Handle(), SW_SHOWNOACTIVATE);
    // So does the busy cursor: before it no window of the program is there to show it over.
    InstallBusyCursorDisplay();
    exitCode = application.Run();
    application.OnPreTranslateMessage = nullptr;
    // However the message loop ended (the window closed, or WM_QUIT from outside), no key this
    // program pressed stays down.
    form.ReleaseAllKeys();
  } catch (const std::exception& error) {
    // The keyboard window could not be built: say why instead of vanishing.
    ShowErrorBox(nullptr, error);
    exitCode = 1;
  }
  Application = nullptr;
  return exitCode;
}

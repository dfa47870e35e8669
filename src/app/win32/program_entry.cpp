// Orvilla: an on-screen keyboard that types into whatever program has the focus.
#include <windows.h>

#include <cstdint>

#include "app/command_captions.h"
#include "app/win32/application.h"
#include "app/win32/fatal_error.h"
#include "app/win32/main_form.h"
#include "app/win32/relaunch.h"
#include "platform/win32/busy_cursor_display.h"
#include "platform/win32/program_file.h"
#include "platform/win32/startup_environment.h"
#include "render/win32/font_enum.h"
#include "settings/win32/app_ini_module.h"
#include "settings/win32/settings_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  InitStartupEnvironment();
  InstallBusyCursorDisplay();
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
    ShowWindow(application.Handle(), SW_SHOWNOACTIVATE);
    form.Show();
    // The settings dialog, hidden until it is asked for; made after the keyboard is on screen,
    // which it does not change. Nothing can ask for it before the message loop runs.
    const std::uint16_t uiLanguage = GetUserDefaultUILanguage();
    TSettingsForm settingsForm(form.Handle(), form, TranslateCommandCaptions(uiLanguage, GetAppVersion()),
                               uiLanguage);
    form.SetSettingsForm(&settingsForm);
    application.OnPreTranslateMessage = [&settingsForm](MSG& msg) { return settingsForm.PreTranslateMessage(msg); };
    exitCode = application.Run();
    application.OnPreTranslateMessage = nullptr;
    form.SetSettingsForm(nullptr);
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

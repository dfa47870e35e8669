#include "app/win32/fatal_error.h"

#include <cstdlib>
#include <string>

#include "app/win32/main_form.h"
#include "settings/settings_error.h"

void ShowErrorBox(HWND owner, const std::exception& error) {
  std::wstring text;
  if (const auto* settingsError = dynamic_cast<const TSettingsError*>(&error)) {
    text = settingsError->Message();
  } else {
    const char* what = error.what();
    text.assign(what, what + std::char_traits<char>::length(what));
  }
  MessageBoxW(owner, text.c_str(), L"Orvilla", MB_OK | MB_ICONERROR);
}

void ReleaseKeysOfMainForm() {
  static bool releasing = false;  // a crash inside the release itself must not loop
  if (releasing || !MainForm) return;
  releasing = true;
  MainForm->Keyboard().ReleasePressedKeys();
  releasing = false;
}

LONG WINAPI FatalErrorFilter(EXCEPTION_POINTERS*) {
  ReleaseKeysOfMainForm();
  return EXCEPTION_CONTINUE_SEARCH;
}

void InstallFatalErrorHandler() {
  SetUnhandledExceptionFilter(&FatalErrorFilter);
  std::set_terminate([] {
    ReleaseKeysOfMainForm();
    std::abort();
  });
}

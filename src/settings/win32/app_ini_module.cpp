#include "settings/win32/app_ini_module.h"

#include <memory>

#include "platform/command_line.h"
#include "platform/win32/program_file.h"
#include "settings/first_run.h"
#include "settings/settings_file_choice.h"
#include "settings/win32/profile_ini_file.h"
#include "settings/win32/registry_win32.h"
#include "settings/win32/settings_files_win32.h"

TAppIniModule::TAppIniModule(const std::vector<std::wstring>& args) {
  CommonSettings = HasCommandLineSwitch(args, L"COMMON");
  AppIni = std::make_unique<TAppIni>(std::make_unique<TWin32Registry>(), ProfileIniFiles(), CommonSettings);
  ExePath = ProgramFolder() + L"\\";
}

TAppIniModule::~TAppIniModule() { AppIni.reset(); }

void ChooseSettingsFile(TAppIni& ini) {
  TWin32SettingsFileSystem files;
  ChooseSettingsFile(ini, files, ProgramFileName(), ExePath);
}

bool FirstRunPageDue(TAppIni& ini) {
  return FirstRunPageDue(ini, ProgramFileName(), GetSpecialFolderPath(SpecialFolderProgramFiles));
}

void ChooseSettingsFile() {
  if (AppIni) ChooseSettingsFile(*AppIni);
}

bool FirstRunPageDue() { return AppIni && FirstRunPageDue(*AppIni); }

#pragma once
// Start and end of the settings store for the running program.
#include <string>
#include <vector>

#include "settings/app_ini.h"

// Module start, before any window exists: CommonSettings from the switch "COMMON", AppIni on the
// registry (the settings key opened, and under HKEY_CURRENT_USER created), ExePath. The
// destructor is module end: it frees AppIni.
class TAppIniModule {
 public:
  explicit TAppIniModule(const std::vector<std::wstring>& args);
  TAppIniModule(const TAppIniModule&) = delete;
  TAppIniModule& operator=(const TAppIniModule&) = delete;
  ~TAppIniModule();
};

// Moves the store to Orvilla.ini beside the executable when that is where the settings belong.
void ChooseSettingsFile(TAppIni& ini);
// The first-run counter "Site" of the store: whether the online help page should open now.
bool FirstRunPageDue(TAppIni& ini);

// The same for AppIni; nothing to do, and no page due, while it does not exist.
void ChooseSettingsFile();
bool FirstRunPageDue();

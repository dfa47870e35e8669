#pragma once
// The first-run counter "Site": a fresh copy opens the online help page once.
#include <string>

#include "settings/app_ini.h"

// Raises a counter at or below zero by one in the store and answers whether the help page is due
// now: the raised counter reads back non-zero (the store took the write), and the executable lies
// neither in a folder whose path contains "temp" (any case) nor under Program Files.
bool FirstRunPageDue(TAppIni& ini, const std::wstring& exeFileName, const std::wstring& programFiles);

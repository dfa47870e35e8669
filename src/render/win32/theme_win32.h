#pragma once
// The colour-scheme operations on the running system's colours and registry.
#include "render/theme.h"

void ApplyColorScheme(int n);
bool IsDarkAppsTheme();
int DefaultColorScheme();

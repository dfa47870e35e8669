#include "render/win32/theme_win32.h"

#include "render/win32/gdi_system_colors.h"
#include "render/win32/win_registry_reader.h"

void ApplyColorScheme(int n) { ApplyColorScheme(n, TGdiSystemColors(), TWinRegistryReader()); }

bool IsDarkAppsTheme() { return IsDarkAppsTheme(TWinRegistryReader()); }

int DefaultColorScheme() { return DefaultColorScheme(TWinRegistryReader()); }

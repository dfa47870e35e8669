#pragma once
// The faces of the fonts installed for the screen.
#include <string>
#include <vector>

// Every face name the screen's fonts have, once each (compared without letter case), in the
// order EnumFontsW reports them.
std::vector<std::wstring> ListInstalledFontFaces();

// DetectFonts on the installed faces; run once before any window exists.
void DetectFonts();

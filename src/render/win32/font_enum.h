#pragma once
// The faces of the fonts installed for the screen.
#include <string>
#include <vector>

// Every face name the screen's fonts have, once each (compared without letter case), in the
// order EnumFontsW reports them.
std::vector<std::wstring> ListInstalledFontFaces();

// Those of the given faces that are installed for the screen, each asked about by name (no list of
// every font is made).
std::vector<std::wstring> InstalledFontFacesAmong(const std::vector<std::wstring>& faces);

// DetectFonts on the installed faces among LegendFontCandidates; run once before any window exists.
void DetectFonts();

#pragma once
// The restart without a DPI compatibility layer: Windows may start the program under a layer that
// fakes the screen resolution, which would make the keyboard blurry and mis-sized.
#include <string>

// Name of the environment variable that holds the compatibility layers of a process.
inline constexpr wchar_t CompatLayerVariable[] = L"__COMPAT_LAYER";
// Set in the environment of the restarted process. Compatibility settings stored for the program
// file can make Windows put the layer back into the new process; this marker stops a second
// restart, so the program can never restart itself endlessly.
inline constexpr wchar_t RelaunchedVariable[] = L"ORVILLA_RELAUNCHED";

// Whether a layer value asks for a restart: it contains "DPI" in any letter case.
bool CompatLayerWantsRelaunch(const std::wstring& layerValue);

// The decision as a whole. layerValue is empty when the variable is absent or empty.
bool ShouldRelaunch(const std::wstring& layerValue, bool alreadyRelaunched);

// The command line handed to the new process: at most 4095 characters of the current one.
std::wstring RelaunchCommandLine(const std::wstring& commandLine);

#pragma once
// The settings dialog's bands of word suggestions and switch scanning: their controls, the scan
// time's track bar and the list of switch keys.
#include <cstdint>
#include <string>
#include <vector>

#include "commands/command_captions.h"
#include "dialog/settings_controls.h"

// The heights of the two bands, one under the other below the hover band; every control under
// them sits that much lower than without them.
constexpr int WordBandHeight = 50;
constexpr int ScanBandHeight = 78;

// The word band at top: "Word suggestions" and the space after a suggestion, learning the words
// typed and the button that forgets them. Tab positions from firstTab on; returns the next one.
int AddWordBand(std::vector<TSettingsControlPlan>& controls, int top, int firstTab, const TCommandCaptions& captions,
                std::uint16_t uiLanguage);
// The scan band at top: "Scanning" and "Click sound", the tick at each step and the switch key,
// and the scan time's track bar with the time beside it.
int AddScanBand(std::vector<TSettingsControlPlan>& controls, int top, int firstTab, const TCommandCaptions& captions,
                std::uint16_t uiLanguage);

// The question asked before the learned words are forgotten.
std::wstring ForgetLearnedWordsQuestion(std::uint16_t uiLanguage);

// The names of the switch keys in the list, in the order of SwitchKeyCodes: the words among them
// ("Space", "Enter", "Pause", "Scroll Lock") as the user's keyboards name them.
std::vector<std::wstring> SwitchKeyNames(std::uint16_t uiLanguage);
// The list index of a stored switch key (one not offered is the default key), and the key of an
// index (the default key for one outside the list).
int SwitchKeyIndex(int storedKey);
int SwitchKeyOfIndex(int index);

#pragma once
// Default names of the virtual-key codes ("Backsp", "Enter", "F1", ...), indexed directly by the
// code 1..255; entry 0 and codes without a name hold an empty text. The keyboard control copies
// this table into its own key names (FillKeyNames) and localises some of them afterwards.
extern const wchar_t* const VKNames[256];

#pragma once
// The constant texts of the built-in keyboard kinds and their list item names.
// Index 0 holds kind 1 ("Standard"); use LayoutText / LayoutListItem (layout_text.h) to pick by kind.
#include "keyboard/layout_text.h"

extern const wchar_t* const BuiltinLayoutNames[LayoutCount];
extern const wchar_t* const BuiltinLayoutTexts[LayoutCount];

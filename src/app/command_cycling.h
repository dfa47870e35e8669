#pragma once
// The numbers that the apply operations and the cycling commands ("Change colors", "Change
// keyboard type") give the colour scheme and the keyboard type.
#include "keyboard/builtin_layouts.h"
#include "render/theme.h"

// The value SetColorScheme / SetKeyboardType keep: a number above the last scheme or layout
// becomes 1; lower numbers are kept as given (the keyboard then shows the first layout or
// scheme, and the slider follows the number itself).
int ColorSchemeToApply(int value);
int KeyboardTypeToApply(int value);

// The scheme or layout that follows the stored number (read from the store, default 1): the
// next one, with the last followed by 1. A stored number outside the range (0, negative, too
// large) is followed by 1, so that one command always shows a valid scheme or layout.
int NextColorScheme(int stored);
int NextKeyboardType(int stored);

#pragma once
// The number the cycling command "Change colors" goes on to (the keyboard types follow the
// layout files too: TKeyboardTypes::Next).

// The scheme that follows the stored number (read from the store, default 1): the next one, with
// the last followed by 1. A stored number outside the range (0, negative, too large) is followed
// by 1, so that one command always shows a valid scheme.
int NextColorScheme(int stored);

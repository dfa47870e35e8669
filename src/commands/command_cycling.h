#pragma once
// The numbers the cycling commands ("Change colors", "Change keyboard type") go on to.

// The scheme or layout that follows the stored number (read from the store, default 1): the
// next one, with the last followed by 1. A stored number outside the range (0, negative, too
// large) is followed by 1, so that one command always shows a valid scheme or layout.
int NextColorScheme(int stored);
int NextKeyboardType(int stored);

#pragma once
// Screen-resolution arithmetic. Sizes in the program are designed at 96 pixels per inch.

// The screen's scale: pixels per inch / 96 (1.0 at 96).
double ScreenScale(int screenPpi);

// A size meant for the current screen, converted into 96-pixels-per-inch units. Small sizes
// (below 12) shrink by a fixed amount instead of by the factor, and never below 2.
int DpiUnscale(int size, int screenPpi);

// A window's own scale: its pixels per inch / 96.
double PpiScale(int ppi);

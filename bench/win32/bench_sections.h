#pragma once
// The timed sections of the Windows harness; each prints its own rows.
#include "bench_rig.h"

// Parse, load, and load plus the resize and full redraw, of each built-in layout.
void BenchLayouts(TBenchKeyboard& rig);
// Redraw(true) and Redraw(false) of "Standard" at 724 x 297 on the visible window.
void BenchRedraw(TBenchKeyboard& rig);
// One key shown pressed and released, each presented.
void BenchKeyPress(TBenchKeyboard& rig);
// The road of a click: press handled -> SendKeyEvent -> key shown pressed on the window.
void BenchPressRoad(TBenchKeyboard& rig);
// A new legend table with the system's ToUnicodeEx, and switches between languages.
void BenchLegends(TBenchKeyboard& rig);
// The split of those paths into canvas calls and the keyboard's own work, and single GDI and
// keyboard-service calls.
void BenchWhereTimeGoes(TBenchKeyboard& rig);

#include "app/command_cycling.h"

namespace {

int ToApply(int value, int last) { return value > last ? 1 : value; }

int Next(int stored, int last) { return stored >= 1 && stored < last ? stored + 1 : 1; }

}  // namespace

int ColorSchemeToApply(int value) { return ToApply(value, ColorSchemeCount); }
int KeyboardTypeToApply(int value) { return ToApply(value, LayoutCount); }

int NextColorScheme(int stored) { return Next(stored, ColorSchemeCount); }
int NextKeyboardType(int stored) { return Next(stored, LayoutCount); }

#pragma once
// The suggestion row's geometry: its height in the keyboard window, and as many buttons as fit the row's width (at
// least MinSlots, at most MaxSuggestions), of equal width with a gap between them, the most likely word first.
#include <cstddef>
#include <vector>

#include "platform/geometry.h"

inline constexpr std::size_t MinSlots = 3;
inline constexpr int MinRowHeight = 24;
inline constexpr int MaxRowHeight = 64;

// The row's height at the top of a keyboard window's client area clientHeight pixels high: a
// seventh of it (a sixth of the keys' height below it, about one key row of the usual layouts),
// from MinRowHeight to MaxRowHeight pixels, never more than the client area.
int SuggestionRowHeight(int clientHeight);
// The least client height whose row leaves keysHeight pixels (one or more) for the keys below it.
int ClientHeightWithRow(int keysHeight);
// The keys' part of a client area, in client coordinates: below the row while it is shown, else
// all of it.
TRect KeyAreaBelowRow(const TRect& client, bool rowShown);

// How many buttons a row of width fits when a button needs at least minButtonWidth.
std::size_t SuggestionSlotCount(int width, int minButtonWidth);
// The buttons of a row of width x height, gap pixels apart and from the edges.
std::vector<TRect> SuggestionSlots(int width, int height, std::size_t count, int gap);
// The index of the button under (x, y); count when none.
std::size_t SuggestionSlotAt(const std::vector<TRect>& slots, int x, int y);

#pragma once
// Layout description texts and their parser (the built-in texts are in builtin_layouts.h).
//
// A layout text is made of lines (ended by CR LF, lone CR or lone LF) of the form name=value:
// "Height" and "Width" (any letter case) give the layout size, a virtual-key code 1..255 in
// plain decimal gives that key's outline as a point list "x,y;x,y;...". Other lines are ignored;
// of two lines with the same name the first counts.
#include <array>
#include <string>
#include <vector>

#include "platform/geometry.h"

// Size taken when a text has no (or an empty) "Height" / "Width" line.
constexpr int LayoutDefaultHeight = 300;
constexpr int LayoutDefaultWidth = 800;

// Most points one key may have (its point count is held in 8 bits).
constexpr int LayoutMaxPoints = 255;

// Largest magnitude of a coordinate, a height or a width; a value beyond it is no valid number.
constexpr int LayoutMaxCoordinate = 32767;

// Outline points of one key, in layout units (origin top-left, y downwards).
using TLayoutPoints = std::vector<TPoint>;

// Result of ParseLayoutText. The parse reads Height, then Width, then the point lists of codes
// 1, 2, ... 255 in ascending order, and stops at the first value that is not a valid integer
// within -LayoutMaxCoordinate..LayoutMaxCoordinate (or at a key with more than LayoutMaxPoints
// points).
//
// How LoadLayout uses it:
//   if (!d.SizeRead) -> fail before touching any key;
//   otherwise set the size from d.Height / d.Width, then AddKey(c, d.Points[c]) for c = 1..d.KeysRead;
//   if (!d.Succeeded()) -> fail (codes above d.KeysRead get no key object).
struct TLayoutDescription {
  // Height and Width were both read (explicitly or by default). When false the parse failed on
  // the size, KeysRead is 0, and Height/Width must not be used.
  bool SizeRead = false;
  int Height = LayoutDefaultHeight;
  int Width = LayoutDefaultWidth;
  // Codes 1..KeysRead have their point list in Points (possibly empty); 255 after a complete
  // parse. When the parse failed on a key, that key's code is KeysRead + 1.
  int KeysRead = 0;
  // Indexed directly by the virtual-key code; entry 0 and entries above KeysRead stay empty.
  std::array<TLayoutPoints, 256> Points{};

  bool Succeeded() const { return SizeRead && KeysRead == 255; }
};

// Parses a layout description text; never throws for malformed text (see TLayoutDescription).
TLayoutDescription ParseLayoutText(const std::wstring& text);

// The lines of a text that name a key code (1..255, as the parse reads them), repeated codes
// counted each time.
int CountKeyLines(const std::wstring& text);

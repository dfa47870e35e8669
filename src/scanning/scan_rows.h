#pragma once
// The rows that switch scanning steps through, found from where the keys are drawn: keys whose
// vertical centres lie within the same band form one row, rows run top to bottom and each row's
// keys left to right. A key taller than the usual key (a two-row Enter, the numeric pad's plus)
// belongs to the row of its top part. Each part of a two-part outline is an item of its own.
//
// Rows are computed once per layout, size and input language (which moves the character keys),
// by whoever owns them; other rows (the word suggestions) can be put in front of the keys' rows.
#include <cstdint>
#include <vector>

#include "platform/geometry.h"

class TLvKeyboard;

// What an item of a row stands for.
enum class TScanItemKind {
  Key,         // a key of the keyboard: Code, pressed by a click at Point
  Suggestion,  // an entry of a suggestion row: Index
};

struct TScanItem {
  TScanItemKind Kind = TScanItemKind::Key;
  std::uint8_t Code = 0;
  int Index = 0;
  // Where a click presses the item, in client coordinates of the keyboard, and what it covers.
  TPoint Point;
  TRect Bounds;
};

using TScanRow = std::vector<TScanItem>;
using TScanRows = std::vector<TScanRow>;

// The rows of the keys as the keyboard draws them now. Keys that are not drawn, and parts where no
// click reaches the key (covered by a key of a lower code), are left out.
TScanRows ComputeScanRows(const TLvKeyboard& keyboard);

// The number of items of each row, for the scanner.
std::vector<int> ScanRowSizes(const TScanRows& rows);

#pragma once
// Switch scanning on the keyboard: the scanner (TScanner) over the rows of the keys as drawn, its
// highlight shown on the keys, and a chosen key pressed as a left click at its point on the click
// road of the pointer handlers, so that latching, the Apps-key branch, Caps Lock, hover and
// suggestions behave as they do for a click. A pressed key is released at the next tick, so that
// it shows pressed for one check interval.
//
// Rows of another kind (the word suggestions) come before the keys' rows through
// TScanLeadingRow.
#include <cstdint>

#include "scanning/scan_rows.h"
#include "scanning/scanner.h"

class TLvKeyboard;
class TPointerInput;

// A row scanned before the keys', shown and pressed by its owner.
class TScanLeadingRow {
 public:
  virtual ~TScanLeadingRow() = default;
  // The items now (of kind Suggestion, Index their place); none leaves the row out.
  virtual TScanRow Row() const = 0;
  // Shows the highlight: the whole row (item -1), one item, or none (highlighted false).
  virtual void ShowHighlight(bool highlighted, int item) = 0;
  // Presses the item of that index.
  virtual void Press(int index) = 0;
};

class TScanTyping {
 public:
  TScanTyping(TLvKeyboard& keyboard, TPointerInput& pointer, int interval, TScanLeadingRow* leading = nullptr);
  TScanTyping(const TScanTyping&) = delete;
  TScanTyping& operator=(const TScanTyping&) = delete;

  void SetInterval(int interval) { FScanner.SetInterval(interval); }
  int Interval() const { return FScanner.Interval(); }

  // Starts scanning at the first row of the keyboard as it is now. Also what a new layout, a new
  // size or a new suggestion row does mid-scan: the rows again, from the first.
  void Start(std::uint32_t now);
  // The keys moved to other places (another input language): the rows are found again; the scan
  // goes on where it was when their number of keys is the same, otherwise it starts over.
  void KeysMoved(std::uint32_t now);
  // A suggestion row came (leading) or went (null): the old one loses its highlight, and a
  // running scan starts again from the first row. The caller keeps leading alive until it sets
  // another.
  void SetLeadingRow(TScanLeadingRow* leading, std::uint32_t now);
  // Ends scanning: a pressed key is released, the highlight taken away.
  void Stop();
  bool Running() const { return FScanner.Running(); }

  // One check at time now; true when the highlight moved (a step the tick sound follows).
  bool Tick(std::uint32_t now);
  // A switch press at time now. An item chosen is pressed at once.
  TSwitchResult Switch(std::uint32_t now);

  const TScanRows& Rows() const { return FRows; }
  // The highlighted row of Rows() and item (see TScanner).
  int Row() const { return FScanner.Row(); }
  int Item() const { return FScanner.Item(); }
  // A key pressed by a switch waits for its release at the next tick.
  bool ReleasePending() const { return FReleasePending; }

 private:
  void FindRows();
  void ShowHighlight();
  void Press(const TScanItem& item);
  void ReleasePressed();

  TScanner FScanner;
  TLvKeyboard& FKeyboard;
  TPointerInput& FPointer;
  TScanLeadingRow* FLeading;
  TScanRows FRows;
  // Whether FRows begins with the leading row.
  bool FHasLeadingRow = false;
  bool FReleasePending = false;
  TPoint FPressedAt;
};

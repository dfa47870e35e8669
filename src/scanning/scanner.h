#pragma once
// Switch scanning: a highlight steps through rows, and then through the items of a chosen row,
// on a clock, for people who can press only one switch.
//
// While rows are scanned the highlight moves to the next row every interval (after the last row,
// back to the first). A switch press chooses the highlighted row: its first item is highlighted
// for one and a half intervals, then the highlight steps through the row's items every interval.
// A press now chooses the highlighted item, and scanning starts again at the first row. After two
// passes through a row without a press, scanning goes back to the rows, on that same row. A press
// within SwitchBounceTime of the last accepted press is switch bounce and is ignored.
//
// The scanner only counts: it knows how many items each row has, not what they are. Times are
// milliseconds of a 32-bit tick count, compared as unsigned differences.
#include <cstdint>
#include <vector>

// The scan interval in milliseconds: its limits and its default.
constexpr int ScanTimeMin = 500;
constexpr int ScanTimeMax = 3000;
constexpr int ScanTimeDefault = 1000;
// A stored scan time within the limits (the nearest limit for a value beyond them).
int LimitScanTime(int milliseconds);

// A switch press this soon after the last accepted one is ignored, in milliseconds.
constexpr std::uint32_t SwitchBounceTime = 300;
// How often the scanner is looked at (and a joystick polled), in milliseconds.
constexpr unsigned ScanCheckInterval = 50;

// What a switch press did.
enum class TSwitchResult {
  Ignored,     // bounce, or nothing to choose
  RowChosen,   // the highlighted row was chosen; its first item is highlighted now
  ItemChosen,  // the highlighted item was chosen (read it from ChosenRow/ChosenItem)
};

class TScanner {
 public:
  explicit TScanner(int interval);

  // The interval from the next step on (limited).
  void SetInterval(int interval);
  int Interval() const { return FInterval; }

  // Starts scanning at the first row of rows with these item counts (rows without items are
  // skipped). Also what a new layout does mid-scan: everything starts over.
  void Start(const std::vector<int>& rowSizes, std::uint32_t now);
  void Stop();
  bool Running() const { return FRunning; }

  // Moves the highlight when its time has come; true when it moved.
  bool Tick(std::uint32_t now);
  // A switch press at time now.
  TSwitchResult Switch(std::uint32_t now);

  // The highlighted row (-1 when nothing is highlighted) and item (-1 while rows are scanned:
  // the whole row is highlighted).
  int Row() const { return FRunning ? FRow : -1; }
  int Item() const { return FRunning ? FItem : -1; }
  // What the last ItemChosen chose.
  int ChosenRow() const { return FChosenRow; }
  int ChosenItem() const { return FChosenItem; }

 private:
  void Step();
  // Starts the current highlight's time: length milliseconds from now.
  void Restart(std::uint32_t now, std::uint32_t length);

  int FInterval;
  bool FRunning = false;
  std::vector<int> FRowSizes;
  int FRow = -1;
  int FItem = -1;
  // Passes through the chosen row completed without a press.
  int FPasses = 0;
  std::uint32_t FStepStart = 0;
  std::uint32_t FStepLength = 0;
  bool FPressed = false;
  std::uint32_t FLastPress = 0;
  int FChosenRow = -1;
  int FChosenItem = -1;
};

#pragma once
// Hover to type: a key under a resting pointer is pressed after the hover time, for people who
// move the pointer but cannot press a button reliably.
//
// THoverPress is checked at a fixed short interval with the time and what lies under the
// pointer. The pointer rests while it stays on the same key and within the tolerance of the point
// where the rest began; a move beyond it starts the time again from there, so a slow steady drift
// never rests. A key fires once per visit: the pointer must leave it (for another key, the
// background, the transparency slider or outside the window) before it can fire again. A mouse
// button held down, a press of a button or a finger whenever it came, or pen or touch input ends
// the visit without firing: those press keys themselves.
#include <cstdint>

#include "platform/geometry.h"

// The hover time in milliseconds: its limits and its default.
constexpr int HoverTimeMin = 500;
constexpr int HoverTimeMax = 3000;
constexpr int HoverTimeDefault = 1000;
// A stored hover time within the limits (the nearest limit for a value beyond them).
int LimitHoverTime(int milliseconds);

// The interval of the hover check in milliseconds.
constexpr unsigned HoverCheckInterval = 50;
// How far the pointer may move between two checks and still rest, in pixels at 96 DPI.
constexpr int HoverToleranceAt96 = 4;
// That distance at a number of pixels per inch (at least 1 pixel).
int HoverTolerance(int pixelsPerInch);

// What lies under the pointer.
enum class THoverPlace {
  Outside,     // not over the keyboard's client area (another window, the title bar, the border)
  Background,  // the keyboard's client area between keys
  Slider,      // the transparency slider
  Key,         // a key
};

// One look at the pointer.
struct THoverSample {
  THoverPlace Place = THoverPlace::Outside;
  std::uint8_t Code = 0;    // the key under the pointer when Place is Key
  TPoint Point;             // in client coordinates of the keyboard window
  bool ButtonDown = false;  // a mouse button is held
  bool PenOrTouch = false;  // the pointer is a pen or a finger
};

class THoverPress {
 public:
  // time: the hover time in milliseconds (limited); tolerance: in pixels.
  THoverPress(int time, int tolerance);

  void SetTime(int time);
  int Time() const { return FTime; }
  void SetTolerance(int tolerance) { FTolerance = tolerance; }

  // Looks at the pointer at time now (milliseconds, taken as unsigned 32-bit differences).
  // Returns the code of the key to press now, or 0.
  std::uint8_t Check(std::uint32_t now, const THoverSample& sample);
  // A button or a finger went down on a key (code; 0 for none) since the last check: that key's
  // visit is spent, as if it had fired.
  void Press(std::uint8_t code);
  // Forgets the visit (hover switched off, the keyboard rebuilt).
  void Reset();

  // Nothing is timing: the pointer is on no key, or on one whose visit is spent. Checks change
  // nothing until the pointer is over another key.
  bool Idle() const { return FKey == 0 || FSpent; }
  // Whether a check is wanted with the pointer over code (0 for no key).
  bool NeedsCheck(std::uint8_t code) const { return code != FKey || !Idle(); }

  // The key whose time is running (0 when none) and how far it has run, 0 to 1000.
  std::uint8_t ProgressKey() const;
  int Progress(std::uint32_t now) const;

 private:
  int FTime;
  int FTolerance;
  // The key visited (0 when none), whether it fired or the visit was spent, and the time and the
  // pointer where the rest began.
  std::uint8_t FKey = 0;
  bool FSpent = false;
  std::uint32_t FRestStart = 0;
  TPoint FRestPoint;
};

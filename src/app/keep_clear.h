#pragma once
// Keeping the keyboard window clear of the text cursor (the setting "KeepClear", off by default).
//
// When the caret of the focused control in the foreground window comes under the keyboard window,
// the window moves to the other half of its monitor's work area, top to bottom or bottom to top,
// keeping its size and its horizontal place. It never moves while a key or the transparency
// slider is held or while the user moves or sizes it, never more than once a second, and never to
// a place that would cover the caret too; moving back is left to the user.
#include <cstdint>
#include <optional>

#include "platform/geometry.h"

// What one check looks at, all in screen coordinates.
struct TKeepClearView {
  TRect Window;                // the keyboard window
  TRect WorkArea;              // the work area of the window's monitor
  std::optional<TRect> Caret;  // the caret, when the foreground window has one
  bool Held = false;           // a key or the slider is held, or the window is being moved or sized
};

class TKeepClear {
 public:
  // Least time between two moves, in milliseconds.
  static constexpr std::uint64_t MinMoveInterval = 1000;

  // The rectangle the window moves to, or none. now is a millisecond clock; a move is remembered
  // as made at that time.
  std::optional<TRect> Check(const TKeepClearView& view, std::uint64_t now);

 private:
  std::optional<std::uint64_t> FLastMove;
};

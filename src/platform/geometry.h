#pragma once
// Plain geometry types shared by the keyboard model, the drawing code and the window.

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint& a, const TPoint& b) { return a.x == b.x && a.y == b.y; }
  friend bool operator!=(const TPoint& a, const TPoint& b) { return !(a == b); }
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
  }
  friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
};

#pragma once
// Conversions from floating point to integer: to the nearest integer, halves to even.
#include <cmath>

inline int RoundHalfEven(long double v) {
  return static_cast<int>(std::nearbyint(v));  // the default rounding mode rounds halves to even
}

#pragma once
// The keyboard window's opacity: the range the transparency slider offers, and the opacity a
// value of the setting "AlphaBlend" is shown with.
#include <cstdint>

inline constexpr int MinWindowOpacity = 50;
inline constexpr int MaxWindowOpacity = 255;  // fully opaque

// The layered-window alpha the window is drawn with for a transparency value: the value limited
// to MinWindowOpacity..MaxWindowOpacity, so that no stored value makes the keyboard invisible
// (and click-through). The value itself is kept as it is until the user changes it.
std::uint8_t AppliedOpacity(int transparency);

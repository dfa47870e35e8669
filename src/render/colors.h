#pragma once
// Colour values as the keyboard stores them: 32 bits, either an RGB colour 0x00BBGGRR (red in the
// lowest byte) or a Windows system colour (top byte 0xFF, system colour index in the low byte)
// that the drawing resolves each time it draws with it.
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor RgbColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
constexpr std::uint8_t RedOf(TColor c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(TColor c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

// System colours: the index is the Windows COLOR_ constant.
constexpr TColor SystemColor(int index) { return 0xFF000000u | static_cast<TColor>(index & 0xFF); }
constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }
constexpr int SystemColorIndex(TColor c) { return static_cast<int>(c & 0xFF); }

// The Windows system colour indexes the keyboard uses (values of COLOR_WINDOW etc.).
constexpr int SysIndexWindow = 5;
constexpr int SysIndexWindowText = 8;
constexpr int SysIndexHighlight = 13;
constexpr int SysIndexBtnFace = 15;
constexpr int SysIndexGrayText = 17;

constexpr TColor clWindow = SystemColor(SysIndexWindow);
constexpr TColor clWindowText = SystemColor(SysIndexWindowText);
constexpr TColor clHighlight = SystemColor(SysIndexHighlight);
constexpr TColor clBtnFace = SystemColor(SysIndexBtnFace);
constexpr TColor clGrayText = SystemColor(SysIndexGrayText);

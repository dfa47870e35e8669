#pragma once
// The colour scheme record and the ten colour schemes. All colours of the keyboard come from the
// one process-wide record Theme; the legend font fields are set by render/fonts.h.
#include <cstdint>
#include <string>

#include "render/canvas.h"
#include "render/colors.h"
#include "render/registry_reader.h"
#include "render/system_colors.h"

struct TLvTheme {
  TColor Background = 0;
  TColor KeyFace = 0;
  TColor KeyBorder = 0;
  TColor KeyName = 0;
  TColor KeyChar = 0;
  TColor DownFace = 0;
  TColor DownBorder = 0;
  TColor DownName = 0;
  TColor DownChar = 0;
  TColor HotFace = 0;
  TColor HotBorder = 0;
  TColor HotName = 0;
  TColor HotChar = 0;
  TColor SliderTrack = 0;
  TColor SliderThumb = 0;
  TColor FnFace = 0;
  TColor FnBorder = 0;
  TColor FnName = 0;
  TColor CmdFace = 0;
  TColor CmdBorder = 0;
  TColor CmdName = 0;
  // Switch scanning's highlight (render/scan_highlight.h), chosen when the scheme is applied.
  TColor ScanFace = 0;
  TColor ScanBorder = 0;
  TColor ScanLegend = 0;
  std::uint16_t NameFontSize = 0;
  std::uint16_t CharFontSize = 0;
  std::wstring NameFontName;
  std::wstring CharFontName;
  TFontStyles NameFontStyle;
  TFontStyles CharFontStyle;
};

// The process-wide colour scheme; zero-filled (all black, sizes 0, names empty) at start.
extern TLvTheme Theme;

// Scheme numbers 1..ColorSchemeCount and their names, in the order of the settings list.
constexpr int ColorSchemeCount = 10;
extern const wchar_t* const ColorSchemeNames[ColorSchemeCount];

// The scheme numbers that follow the Windows apps theme on first start.
constexpr int ColorSchemeWindowsDark = 5;
constexpr int ColorSchemeWindowsLight = 6;

// Fills the colour fields of Theme from scheme n (the font fields are left alone). A number
// outside 1..10 is drawn with the colours of scheme 1. The caller redraws.
void ApplyColorScheme(int n, const TSystemColors& system, const TRegistryReader& registry);

// The desktop accent colour (0x00BBGGRR), 0078D7 when Windows has none stored.
TColor GetAccentColor(const TRegistryReader& registry);

// Whether Windows apps use the dark theme; false when unknown.
bool IsDarkAppsTheme(const TRegistryReader& registry);

// The default scheme on first start: Windows Dark for dark apps, otherwise Windows Light.
int DefaultColorScheme(const TRegistryReader& registry);

// a % of the button face + b % of the highlight + c % of the window colour, each channel clamped
// to 0..255; the highlight colour itself when the button face is pure black or white.
TColor BlendSystemColors(const TSystemColors& system, std::int8_t a, std::int8_t b, std::int8_t c);

#include "render/theme.h"

#include <algorithm>

#include "render/scan_highlight.h"

TLvTheme Theme;

const wchar_t* const ColorSchemeNames[ColorSchemeCount] = {
    L"Standard",      L"System",  L"White", L"Black",         L"Windows Dark",
    L"Windows Light", L"Android", L"Mac",   L"Office Silver", L"Office Grey",
};

namespace {

// A colour written as RRGGBB, the way designers name colours.
constexpr TColor H(std::uint32_t rrggbb) {
  return RgbColor(static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
                  static_cast<std::uint8_t>(rrggbb));
}

// Placeholder for the fills computed when the scheme is applied (blends and accent colour).
constexpr TColor Computed = 0;

// One row per field, one column per scheme 1..10.
using TSchemeRow = TColor[ColorSchemeCount];

constexpr int CommonFieldCount = 15;  // Background .. SliderThumb: set by every scheme
constexpr int ClassFieldCount = 6;    // FnFace .. CmdName: set by schemes 5, 6 and 7 only

TColor TLvTheme::*const Fields[CommonFieldCount + ClassFieldCount] = {
    &TLvTheme::Background, &TLvTheme::KeyFace,    &TLvTheme::KeyBorder, &TLvTheme::KeyName,     &TLvTheme::KeyChar,
    &TLvTheme::DownFace,   &TLvTheme::DownBorder, &TLvTheme::DownName,  &TLvTheme::DownChar,    &TLvTheme::HotFace,
    &TLvTheme::HotBorder,  &TLvTheme::HotName,    &TLvTheme::HotChar,   &TLvTheme::SliderTrack, &TLvTheme::SliderThumb,
    &TLvTheme::FnFace,     &TLvTheme::FnBorder,   &TLvTheme::FnName,    &TLvTheme::CmdFace,     &TLvTheme::CmdBorder,
    &TLvTheme::CmdName,
};

// clang-format off
const TSchemeRow Schemes[CommonFieldCount + ClassFieldCount] = {
  //  Standard      System          White         Black         Win Dark      Win Light     Android       Mac           Off. Silver   Off. Grey
  {H(0xD3E5FB), clBtnFace,    H(0xFFFFFF), H(0x202020), H(0x333333), H(0xE0E0E0), H(0xECEFF1), H(0xFEFEFE), H(0xE9ECEF), H(0xDBE2E4)},  // Background
  {H(0xD3E5FB), clBtnFace,    H(0xFFFFFF), H(0x202020), H(0x333333), H(0xFFFFFF), H(0xECEFF1), H(0xFEFEFE), H(0xE9ECEF), H(0xDBE2E4)},  // KeyFace
  {H(0x7AA0DA), clWindowText, H(0x000000), H(0xFFFFFF), H(0x1A1A1A), H(0xD8DBDF), H(0xECEFF1), H(0xB7B7B8), H(0x727880), H(0xA3B0B5)},  // KeyBorder
  {H(0x204D89), clGrayText,   H(0x000000), H(0xFFFFFF), H(0xA3A3A3), H(0x313131), H(0x4A5B64), H(0x3D4758), H(0x4C535C), H(0x373C43)},  // KeyName
  {H(0x000000), clWindowText, H(0x000000), H(0xFFFFFF), H(0xEBEBEB), H(0x101010), H(0x061D28), H(0x000000), H(0x000000), H(0x000000)},  // KeyChar
  {H(0xFE914E), Computed,    H(0xFF4E1A), H(0xFFFFFF), Computed,   H(0x2C5CAD), H(0xBAC0C5), H(0x7096C6), H(0xFE914E), H(0xFE914E)},  // DownFace
  {H(0x7B6645), H(0x2A66C9),  H(0x4D5B60), H(0xFFFFFF), H(0x1A1A1A), H(0xD8DBDF), H(0xECEFF1), H(0x3C3E3F), H(0x7B6645), H(0x7B6645)},  // DownBorder
  {H(0x204D89), clWindow,     H(0x0A246B), H(0x000000), H(0xEBEBEB), H(0xFEFEFE), H(0x031016), H(0x1D2738), H(0x4C535C), H(0x373C43)},  // DownName
  {H(0x000000), clWindow,     H(0x0A246B), H(0x000000), H(0xEBEBEB), H(0xFEFEFE), H(0x031016), H(0x000000), H(0x000000), H(0x000000)},  // DownChar
  {H(0xFFD091), Computed,    H(0x000000), clBtnFace,   H(0xEBEBEB), H(0x4C93DB), H(0xC9CED1), H(0x6CA5E0), H(0xFFD091), H(0xFFD091)},  // HotFace
  {H(0x7AA0DA), H(0x2A66C9),  H(0x000000), H(0x5A848F), H(0x1A1A1A), H(0xD8DBDF), H(0xECEFF1), H(0x686868), H(0x727880), H(0xA3B0B5)},  // HotBorder
  {H(0x204D89), clWindowText, H(0xFFFFFF), H(0x000000), H(0x101010), H(0xFEFEFE), H(0x041720), H(0x1D2738), H(0x4C535C), H(0x373C43)},  // HotName
  {H(0x000000), H(0x000080),  H(0xFFFFFF), H(0x000000), H(0x101010), H(0xFEFEFE), H(0x041720), H(0x000000), H(0x000000), H(0x000000)},  // HotChar
  {H(0x7AA0DA), clGrayText,   H(0x000000), H(0xFFFFFF), H(0xA3A3A3), H(0x313131), H(0x647B88), H(0xB7B7B8), H(0x727880), H(0xA3B0B5)},  // SliderTrack
  {H(0x204D89), clWindowText, H(0x000000), H(0xFFFFFF), H(0xEBEBEB), H(0x101010), H(0x4A5B64), H(0x3D4758), H(0x4C535C), H(0x373C43)},  // SliderThumb
  {H(0xD3E5FB), clBtnFace,    H(0xFFFFFF), H(0x202020), H(0x4D4D4D), H(0xF0F0F0), H(0xDBE0E1), H(0xFEFEFE), H(0xE9ECEF), H(0xDBE2E4)},  // FnFace
  {H(0x7AA0DA), clWindowText, H(0x000000), H(0xFFFFFF), H(0x1A1A1A), H(0xD8DBDF), H(0xECEFF1), H(0xB7B7B8), H(0x727880), H(0xA3B0B5)},  // FnBorder
  {H(0x204D89), clGrayText,   H(0x000000), H(0xFFFFFF), H(0xEBEBEB), H(0x101010), H(0x45575F), H(0x3D4758), H(0x4C535C), H(0x373C43)},  // FnName
  {H(0xD3E5FB), clBtnFace,    H(0xFFFFFF), H(0x202020), H(0x4D4D4D), H(0xF0F0F0), H(0xDBE0E1), H(0xFEFEFE), H(0xE9ECEF), H(0xDBE2E4)},  // CmdFace
  {H(0x7AA0DA), clWindowText, H(0x000000), H(0xFFFFFF), H(0x1A1A1A), H(0xD8DBDF), H(0xECEFF1), H(0xB7B7B8), H(0x727880), H(0xA3B0B5)},  // CmdBorder
  {H(0x204D89), clGrayText,   H(0x000000), H(0xFFFFFF), H(0xEBEBEB), H(0x101010), H(0x45575F), H(0x3D4758), H(0x4C535C), H(0x373C43)},  // CmdName
};
// clang-format on

constexpr int SystemScheme = 2;
constexpr int WindowsDarkScheme = ColorSchemeWindowsDark;

bool HasOwnClassColors(int n) { return n == 5 || n == 6 || n == 7; }

// x * percent / 100, rounded to the nearest integer with halves away from zero (Windows MulDiv).
int MulDivPercent(int x, int percent) {
  const int p = x * percent;
  return p >= 0 ? (p + 50) / 100 : -((-p + 50) / 100);
}

const wchar_t AccentKey[] = L"Software\\Microsoft\\Windows\\DWM";
const wchar_t AccentValue[] = L"AccentColor";
const wchar_t PersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
const wchar_t AppsThemeValue[] = L"AppsUseLightTheme";

}  // namespace

TColor BlendSystemColors(const TSystemColors& system, std::int8_t a, std::int8_t b, std::int8_t c) {
  const TColor face = system.SysColorRgb(SysIndexBtnFace) & 0xFFFFFF;
  const TColor highlight = system.SysColorRgb(SysIndexHighlight) & 0xFFFFFF;
  const TColor window = system.SysColorRgb(SysIndexWindow) & 0xFFFFFF;
  if (face == 0x000000 || face == 0xFFFFFF) return highlight;
  auto channel = [&](std::uint8_t (*part)(TColor)) {
    const int v = MulDivPercent(part(face), a) + MulDivPercent(part(highlight), b) + MulDivPercent(part(window), c);
    return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
  };
  return RgbColor(channel(RedOf), channel(GreenOf), channel(BlueOf));
}

TColor GetAccentColor(const TRegistryReader& registry) {
  const auto value = registry.ReadCurrentUserDword(AccentKey, AccentValue);
  return value ? (*value & 0xFFFFFFu) : H(0x0078D7);
}

bool IsDarkAppsTheme(const TRegistryReader& registry) {
  const auto value = registry.ReadCurrentUserDword(PersonalizeKey, AppsThemeValue);
  return value && *value == 0;
}

int DefaultColorScheme(const TRegistryReader& registry) {
  return IsDarkAppsTheme(registry) ? ColorSchemeWindowsDark : ColorSchemeWindowsLight;
}

void ApplyColorScheme(int n, const TSystemColors& system, const TRegistryReader& registry) {
  // A number the menu never produces (a hand-edited setting) shows the first scheme.
  if (n < 1 || n > ColorSchemeCount) n = 1;
  const int column = n - 1;

  const int fieldCount = CommonFieldCount + (HasOwnClassColors(n) ? ClassFieldCount : 0);
  for (int row = 0; row < fieldCount; ++row) Theme.*Fields[row] = Schemes[row][column];

  if (n == SystemScheme) {
    Theme.DownFace = system.NearestColor(BlendSystemColors(system, 14, 44, 40));
    Theme.HotFace = system.NearestColor(BlendSystemColors(system, -2, 30, 72));
  } else if (n == WindowsDarkScheme) {
    Theme.DownFace = GetAccentColor(registry);
  }

  if (!HasOwnClassColors(n)) {
    Theme.FnFace = Theme.KeyFace;
    Theme.FnBorder = Theme.KeyBorder;
    Theme.FnName = Theme.KeyName;
    Theme.CmdFace = Theme.KeyFace;
    Theme.CmdBorder = Theme.KeyBorder;
    Theme.CmdName = Theme.KeyName;
  }

  const TScanColors scan = ScanHighlightColors(ResolveColor(Theme.KeyFace, system), ResolveColor(Theme.FnFace, system),
                                               ResolveColor(Theme.CmdFace, system));
  Theme.ScanFace = scan.Face;
  Theme.ScanBorder = scan.Border;
  Theme.ScanLegend = scan.Legend;
}

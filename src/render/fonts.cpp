#include "render/fonts.h"

#include <algorithm>

#include "keys/vk_codes.h"
#include "platform/rounding.h"
#include "platform/screen_scale.h"
#include "platform/text_helpers.h"
#include "render/theme.h"

bool HasSegoeUIVariableText = false;
bool HasSegoeUI = false;
bool HasTahoma = false;
bool HasSegoeFluentIcons = false;
bool HasSegoeUISymbol = false;
bool HasWingdings = false;

namespace {

bool Contains(const std::vector<std::wstring>& faces, const std::wstring& face) {
  return std::any_of(faces.begin(), faces.end(), [&](const std::wstring& f) { return EqualIgnoringCase(f, face); });
}

constexpr int NameSizeMinimum = 3;

// Glyph table: code point and size increment per symbol face.
struct TGlyphRow {
  int vk;
  wchar_t fluent;
  int fluentPlus;
  wchar_t symbol;
  int symbolPlus;
  wchar_t wingdings;
  int wingdingsPlus;
};

constexpr TGlyphRow Glyphs[] = {
    {VkBack, 0xE750, 3, 0xE083, 5, 0xF0D5, 5},   // Backspace
    {VkLeft, 0xE00E, 1, 0xE27F, 2, 0xF0E7, 2},   // Left
    {VkUp, 0xE010, 1, 0xE1FE, 2, 0xF0E9, 2},     // Up
    {VkRight, 0xE00F, 1, 0xE27E, 2, 0xF0E8, 2},  // Right
    {VkDown, 0xE011, 1, 0xE1FC, 2, 0xF0EA, 2},   // Down
    {VkApps, 0xE115, 1, 0xE115, 2, 0xF033, 7},   // Apps
};

}  // namespace

void DetectFonts(const std::vector<std::wstring>& installedFaces) {
  HasSegoeUIVariableText = Contains(installedFaces, L"Segoe UI Variable Text");
  HasTahoma = !HasSegoeUIVariableText && Contains(installedFaces, L"Tahoma");
  HasSegoeUI = !HasSegoeUIVariableText && Contains(installedFaces, L"Segoe UI");
  HasSegoeFluentIcons = Contains(installedFaces, L"Segoe Fluent Icons");
  HasWingdings = !HasSegoeFluentIcons && Contains(installedFaces, L"Wingdings");
  HasSegoeUISymbol = !HasSegoeFluentIcons && Contains(installedFaces, L"Segoe UI Symbol");
}

const std::vector<std::wstring>& LegendFontCandidates() {
  static const std::vector<std::wstring> faces = {L"Segoe UI Variable Text", L"Segoe UI",  L"Tahoma",
                                                  L"Segoe Fluent Icons",     L"Wingdings", L"Segoe UI Symbol"};
  return faces;
}

std::wstring LegendFontFace() {
  if (HasSegoeUIVariableText) return L"Segoe UI Variable Text";
  if (HasSegoeUI) return L"Segoe UI";
  if (HasTahoma) return L"Tahoma";
  return L"Arial";
}

void ChooseLegendFonts() {
  Theme.NameFontName = LegendFontFace();
  Theme.CharFontName = Theme.NameFontName;
  Theme.NameFontStyle = TFontStyle::Bold;
  Theme.CharFontStyle = TFontStyle::Bold;
  Theme.NameFontSize = 8;
  Theme.CharFontSize = 10;
}

int NameFontSizeFor(int charFontSize) {
  // charFontSize / 1.2 rounded to the nearest integer, halves to even, as computed in 80-bit
  // extended precision, where 1.2 is stored slightly too large (1.2 * (1 + 2^-63 / 3)). The
  // quotient of an exact half x.5 then stays x.5 (and goes to the even neighbour) only while
  // x.5 < 1.5 * 2^k for its power of two 2^k <= x.5; otherwise it falls just below x.5 and rounds
  // down. Done in integers so that every compiler and FPU setting agrees: 9 -> 7, 21 -> 18, 33 -> 27.
  const long long fifths = 5LL * charFontSize;  // charFontSize / 1.2 = fifths / 6
  long long n = fifths / 6;
  const long long rest = fifths % 6;
  if (rest > 3) {
    ++n;
  } else if (rest == 3) {
    const long long twice = 2 * n + 1;  // 2 * (n + 0.5)
    long long power = 1;
    while (2 * power * 2 <= twice) power *= 2;  // largest 2^k <= n + 0.5
    const bool staysHalf = twice < 3 * power;
    if (staysHalf && n % 2 != 0) ++n;
  }
  return static_cast<int>(std::max<long long>(n, NameSizeMinimum));
}

void UpdateLegendFontSizes(int escapeWidth, int escapeHeight, int screenPpi) {
  const double w = escapeWidth / 3.0;
  const double h = escapeHeight / 3.0;
  const double d = h <= w ? h : w;
  int s = RoundHalfEven(d / ScreenScale(screenPpi));
  if (s <= 3) s = 3;
  const int charSize = std::min(s, DpiUnscale(36, screenPpi));
  Theme.CharFontSize = static_cast<std::uint16_t>(charSize);
  Theme.NameFontSize = static_cast<std::uint16_t>(NameFontSizeFor(charSize));
}

std::optional<TKeyGlyph> KeyGlyph(int nameVk, int pressedCount) {
  if (nameVk == VkApps && pressedCount != 0) return std::nullopt;
  for (const auto& row : Glyphs) {
    if (row.vk != nameVk) continue;
    if (HasSegoeFluentIcons) return TKeyGlyph{L"Segoe Fluent Icons", row.fluent, row.fluentPlus};
    if (HasSegoeUISymbol) return TKeyGlyph{L"Segoe UI Symbol", row.symbol, row.symbolPlus};
    if (HasWingdings) return TKeyGlyph{L"Wingdings", row.wingdings, row.wingdingsPlus};
    return std::nullopt;
  }
  return std::nullopt;
}

void DrawTextFmt(TCanvas& canvas, const TRect& r, const std::wstring& text, TTextFormat format) {
  canvas.DrawTextInRect(r, text, format);
}

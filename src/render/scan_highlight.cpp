#include "render/scan_highlight.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(TColor c) {
  return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

constexpr TColor Black = RgbColor(0, 0, 0);
constexpr TColor White = RgbColor(0xFF, 0xFF, 0xFF);

}  // namespace

double ContrastRatio(TColor a, TColor b) {
  const double la = Luminance(a & 0xFFFFFF);
  const double lb = Luminance(b & 0xFFFFFF);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor ResolveColor(TColor color, const TSystemColors& system) {
  return IsSystemColor(color) ? system.SysColorRgb(SystemColorIndex(color)) & 0xFFFFFF : color;
}

TScanColors ScanHighlightColors(TColor keyFace, TColor fnFace, TColor cmdFace) {
  auto weakest = [&](TColor fill) {
    return std::min({ContrastRatio(fill, keyFace), ContrastRatio(fill, fnFace), ContrastRatio(fill, cmdFace)});
  };
  TScanColors colors;
  colors.Face =
      weakest(ScanFaceForLightKeys) >= weakest(ScanFaceForDarkKeys) ? ScanFaceForLightKeys : ScanFaceForDarkKeys;
  colors.Legend = ContrastRatio(colors.Face, White) >= ContrastRatio(colors.Face, Black) ? White : Black;
  colors.Border = colors.Legend;
  return colors;
}

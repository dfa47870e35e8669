#include "app/transparency_slider.h"

#include <algorithm>

#include "settings/settings_table.h"

namespace {

constexpr int SliderMinValue = Setting(TSettingId::Transparency).Min;
constexpr int SliderMaxValue = Setting(TSettingId::Transparency).Max;
constexpr int Steps = SliderMaxValue - SliderMinValue;

// Trunc(n × ppi / 96), exact in integers.
int Scaled(int n, int ppi) { return static_cast<int>(static_cast<long long>(n) * ppi / 96); }

int Margin(int ppi) { return Scaled(10, ppi); }

}  // namespace

bool TransparencySliderVisible(int keyboardType) { return keyboardType >= 1 && keyboardType <= 3; }

TRect TransparencyPanelBounds(int keyboardType, const TKeyBoxOf& keyBox) {
  constexpr std::uint8_t Return = 13, Space = 32, Left = 37, Up = 38, Right = 39, RShift = 161;
  TRect r;
  if (keyboardType == 2) {
    const TKeyBox left = keyBox(Left), enter = keyBox(Return);
    r.Left = left.Left;
    r.Top = enter.Top;
    r.Right = r.Left + left.Width + keyBox(Up).Width + keyBox(Right).Width + 1;
    r.Bottom = r.Top + enter.Height + 1;
  } else {
    const TKeyBox shift = keyBox(RShift), space = keyBox(Space);
    r.Left = shift.Left;
    r.Top = space.Top;
    r.Right = r.Left + shift.Width + 1;
    r.Bottom = r.Top + space.Height + 1;
  }
  return r;
}

TSliderMetrics SliderMetrics(int ppi, int height) {
  TSliderMetrics m;
  m.Margin = Margin(ppi);
  m.HalfTrack = Scaled(1, ppi);
  m.HalfThumbWidth = Scaled(4, ppi);
  // Trunc(height / 3.5) is 2 × height / 7 truncated.
  m.HalfThumbHeight = std::max(2, std::min(static_cast<int>(2LL * height / 7), Scaled(10, ppi)));
  return m;
}

bool SliderTooNarrow(int width, int ppi) { return width - 2 * Margin(ppi) <= 0; }

// The positions are Trunc((value − 50) × step) + m and Trunc((x − m) / step) + 50 with
// step = (width − 2m) / 205 pixels per value, computed exactly in integers.
int SliderThumbX(int transparency, int width, int ppi) {
  const int m = Margin(ppi);
  const long long track = static_cast<long long>(width) - 2 * m;
  return static_cast<int>((static_cast<long long>(transparency) - SliderMinValue) * track / Steps + m);
}

std::optional<int> SliderValueAt(int x, int width, int ppi) {
  if (SliderTooNarrow(width, ppi)) return std::nullopt;
  const int m = Margin(ppi);
  const long long track = static_cast<long long>(width) - 2 * m;
  const long long v = (static_cast<long long>(x) - m) * Steps / track + SliderMinValue;
  return static_cast<int>(std::clamp<long long>(v, SliderMinValue, SliderMaxValue));
}

void PaintTransparencySlider(TCanvas& canvas, int width, int height, int ppi, int transparency, bool hot,
                             const TLvTheme& theme) {
  const TSliderMetrics m = SliderMetrics(ppi, height);
  canvas.SetPenColor(theme.KeyBorder);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  canvas.SetBrushColor(hot ? theme.HotFace : theme.CmdFace);
  canvas.Rectangle({0, 0, width, height});

  const int y = height / 2;
  canvas.SetBrushColor(hot ? theme.HotName : theme.SliderTrack);
  canvas.FillRect({m.Margin, y - m.HalfTrack, width - m.Margin, y + m.HalfTrack});

  const int x = SliderThumbX(transparency, width, ppi);
  canvas.SetBrushColor(hot ? theme.HotChar : theme.SliderThumb);
  canvas.FillRect({x - m.HalfThumbWidth, y - m.HalfThumbHeight, x + m.HalfThumbWidth, y + m.HalfThumbHeight});
}

void TTransparencySlider::SetSize(int width, int height) {
  FWidth = width;
  FHeight = height;
}

void TTransparencySlider::SetPpi(int ppi) { FPpi = ppi; }

TSliderResponse TTransparencySlider::MouseDown(int x) {
  FDragging = true;
  FHot = true;
  return {SliderValueAt(x, FWidth, FPpi), true};
}

TSliderResponse TTransparencySlider::MouseMove(int x) {
  if (!FDragging) return {};
  return {SliderValueAt(x, FWidth, FPpi), false};
}

TSliderResponse TTransparencySlider::MouseUp(bool releasedByTouch, TPoint cursor) {
  FDragging = false;
  FHot = !releasedByTouch && cursor.x >= 0 && cursor.y >= 0 && cursor.x < FWidth && cursor.y < FHeight;
  return {std::nullopt, true};
}

TSliderResponse TTransparencySlider::MouseEnter() {
  FHot = true;
  return {std::nullopt, true};
}

TSliderResponse TTransparencySlider::MouseLeave() {
  if (!FDragging) FHot = false;
  return {std::nullopt, true};
}

void TTransparencySlider::Paint(TCanvas& canvas, int transparency, const TLvTheme& theme) const {
  PaintTransparencySlider(canvas, FWidth, FHeight, FPpi, transparency, FHot, theme);
}

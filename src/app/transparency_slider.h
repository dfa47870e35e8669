#pragma once
// The transparency slider drawn in an empty cell of the keyboard: where its panel goes, how a
// position on it maps to an opacity value and back, how it is painted, and its hot and dragging
// states as mouse events arrive. The window owns the panel and applies the values it produces.
//
// ppi is the keyboard window's current pixels per inch; sizes scale with ppi / 96 and are
// truncated toward zero.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/geometry.h"
#include "render/canvas.h"
#include "render/theme.h"

// The slider produces the values of the setting Transparency, Min..Max, one step each.

// The panel is shown exactly when the stored keyboard type is 1, 2 or 3 (not the layout loaded:
// a stored 0 loads the first layout but keeps the slider hidden).
bool TransparencySliderVisible(int keyboardType);

// One key's outline box in pixels of the scaled keyboard (TLvBtn GetLeft, GetTop, GetWidth,
// GetHeight).
struct TKeyBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};
using TKeyBoxOf = std::function<TKeyBox(std::uint8_t code)>;

// The panel's bounds in the keyboard image, for any keyboard type: right of Enter above the
// arrow keys in type 2, below right Shift in the space bar's row otherwise.
TRect TransparencyPanelBounds(int keyboardType, const TKeyBoxOf& keyBox);

// Sizes of the slider's parts for a paint box of the given height.
struct TSliderMetrics {
  int Margin = 0;     // track margin left and right
  int HalfTrack = 0;  // half the track's thickness
  int HalfThumbWidth = 0;
  int HalfThumbHeight = 0;
};
TSliderMetrics SliderMetrics(int ppi, int height);

// Whether a slider of this width has no room between its margins; it ignores presses then.
bool SliderTooNarrow(int width, int ppi);

// The thumb's centre x for a value (values outside the setting's range fall outside the track).
int SliderThumbX(int transparency, int width, int ppi);

// The value at x, limited to the setting's range; none when the slider is too narrow.
std::optional<int> SliderValueAt(int x, int width, int ppi);

// Draws the slider over the whole width x height client area: the framed box, the track and
// the thumb, in the scheme's normal or highlighted colours.
void PaintTransparencySlider(TCanvas& canvas, int width, int height, int ppi, int transparency, bool hot,
                             const TLvTheme& theme);

// What the window does after a mouse event: apply a new opacity (SetTransparency, then move the
// settings dialog's track bar when the dialog is visible) and/or repaint the slider.
struct TSliderResponse {
  std::optional<int> NewTransparency;
  bool Repaint = false;
};

// The slider's states: idle, hot (pointer over it) and dragging (hot, the value follows the
// pointer). Any mouse button drags. x and cursor are in the paint box's client coordinates.
class TTransparencySlider {
 public:
  // The paint box's client size and the window's pixels per inch.
  void SetSize(int width, int height);
  void SetPpi(int ppi);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  TSliderResponse MouseDown(int x);
  TSliderResponse MouseMove(int x);
  // releasedByTouch: touch input is active and the release came from touch; the slider is then
  // no longer hot. Otherwise it stays hot when the cursor is over the paint box.
  TSliderResponse MouseUp(bool releasedByTouch, TPoint cursor);
  TSliderResponse MouseEnter();
  TSliderResponse MouseLeave();

  bool Hot() const { return FHot; }
  bool Dragging() const { return FDragging; }

  void Paint(TCanvas& canvas, int transparency, const TLvTheme& theme) const;

 private:
  int FWidth = 0;
  int FHeight = 0;
  int FPpi = 96;
  bool FHot = false;
  bool FDragging = false;
};

#pragma once
// The transparency slider on the keyboard: the panel pnlTransparency with its paint box
// pbTransparency, a child window in the keyboard's empty cell. Any mouse button drags it; it never
// activates the keyboard window or takes the focus, and it never sends a key.
#include <windows.h>

#include <functional>

#include "app/transparency_slider.h"
#include "platform/geometry.h"
#include "platform/win32/base_window.h"

class TTransparencyPanel : public TBaseWindow<TTransparencyPanel> {
 public:
  // transparency: reads the window's current opacity (FTransparency) for painting.
  // onChange: a press or drag chose a new opacity. touchActive: the keyboard has seen WM_TOUCH
  // input (a release by touch then leaves the slider unhighlighted).
  TTransparencyPanel(HWND parent, std::function<int()> transparency, std::function<void(int)> onChange,
                     std::function<bool()> touchActive);

  // Placed on the keyboard in the parent's client coordinates, at the parent's pixels per inch.
  void Place(const TRect& bounds, int ppi);
  void SetVisible(bool visible);
  bool Visible() const { return IsWindowVisible(Handle()) != FALSE; }
  // Paints again now (a new opacity or colour scheme).
  void Repaint();

  const TTransparencySlider& Slider() const { return FSlider; }

 private:
  friend class TBaseWindow<TTransparencyPanel>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Respond(const TSliderResponse& response);
  // The cursor position in the paint box's client coordinates.
  TPoint CursorInClient() const;
  void Paint(HDC dc);

  TTransparencySlider FSlider;
  std::function<int()> FTransparency;
  std::function<void(int)> FOnChange;
  std::function<bool()> FTouchActive;
  bool FTrackingLeave = false;
};

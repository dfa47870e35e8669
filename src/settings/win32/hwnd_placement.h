#pragma once
// The placement of a top-level window, for saving and restoring it with the settings store.
#include <windows.h>

#include "settings/window_placement.h"

class THwndPlacementWindow : public TPlacementWindow {
 public:
  explicit THwndPlacementWindow(HWND window) : FWindow(window) {}
  std::wstring ClassName() const override;
  // The window rectangle on the screen, as shown.
  int Top() const override { return Rect().top; }
  int Left() const override { return Rect().left; }
  int Width() const override { return Rect().right - Rect().left; }
  int Height() const override { return Rect().bottom - Rect().top; }
  void SetTop(int value) override;
  void SetLeft(int value) override;
  void SetWidth(int value) override;
  void SetHeight(int value) override;
  TWindowState State() const override;
  // Minimising does not activate the window; maximising shows it maximised, as the system does.
  void SetState(TWindowState state) override;
  bool HasMaximizeButton() const override { return (Style() & WS_MAXIMIZEBOX) != 0; }
  bool HasSizeableBorder() const override { return (Style() & WS_THICKFRAME) != 0; }
  std::vector<TRect> MonitorBounds() const override;

 private:
  RECT Rect() const;
  LONG_PTR Style() const { return GetWindowLongPtrW(FWindow, GWL_STYLE); }
  void Move(int left, int top);
  void Resize(int width, int height);

  HWND FWindow;
};

// Centres the window on the work area of the monitor it is on.
void CenterOnWorkArea(HWND window);

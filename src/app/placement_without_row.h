#pragma once
// The keyboard window's placement as it is stored and restored: the window without the suggestion
// row at the top of its client area. The stored top and height mean what they meant before the
// row existed, whether suggestions are on or off, and the window grows by the row after a start
// (WindowWithRow), so that the keys come back at the same size and place either way.
#include "settings/window_placement.h"

class TPlacementWithoutRow : public TPlacementWindow {
 public:
  // rowHeight: the row's height now (0: none).
  TPlacementWithoutRow(TPlacementWindow& window, int rowHeight) : FWindow(window), FRowHeight(rowHeight) {}

  std::wstring ClassName() const override { return FWindow.ClassName(); }
  int Top() const override { return FWindow.Top() + FRowHeight; }
  int Left() const override { return FWindow.Left(); }
  int Width() const override { return FWindow.Width(); }
  int Height() const override { return FWindow.Height() - FRowHeight; }
  void SetTop(int value) override { FWindow.SetTop(value - FRowHeight); }
  void SetLeft(int value) override { FWindow.SetLeft(value); }
  void SetWidth(int value) override { FWindow.SetWidth(value); }
  void SetHeight(int value) override { FWindow.SetHeight(value + FRowHeight); }
  TWindowState State() const override { return FWindow.State(); }
  void SetState(TWindowState state) override { FWindow.SetState(state); }
  bool HasMaximizeButton() const override { return FWindow.HasMaximizeButton(); }
  bool HasSizeableBorder() const override { return FWindow.HasSizeableBorder(); }
  std::vector<TRect> MonitorBounds() const override { return FWindow.MonitorBounds(); }

 private:
  TPlacementWindow& FWindow;
  int FRowHeight;
};

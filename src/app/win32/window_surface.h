#pragma once
// The visible paint box: the client area of a window as a drawing surface. The window class has
// its own device context (CS_OWNDC), so one canvas serves for the window's whole life.
#include <windows.h>

#include <memory>

#include "platform/win32/screen.h"
#include "platform/win32/win32_handles.h"
#include "render/win32/gdi_canvas.h"

class TWindowSurface : public TSurface {
 public:
  explicit TWindowSurface(HWND window)
      : FWindow(window), FDc(GetWindowDc(window)), FCanvas(std::make_unique<TGdiCanvas>(FDc.Get())) {}

  // The size follows the window's client area.
  void SetSize(int, int) override {}
  int Width() const override { return ClientRect(FWindow).Width(); }
  int Height() const override { return ClientRect(FWindow).Height(); }
  TCanvas& Canvas() override { return *FCanvas; }

 private:
  HWND FWindow;
  TWindowDc FDc;
  // Goes before the device context: it selects the context's own objects back first.
  std::unique_ptr<TGdiCanvas> FCanvas;
};

#pragma once
// The visible paint box: the keys' part of a window's client area as a drawing surface, all of it
// or what lies below a row at its top. The window class has its own device context (CS_OWNDC), so
// one canvas serves for the window's whole life.
#include <windows.h>

#include <algorithm>
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
  int Height() const override { return std::max(0, ClientRect(FWindow).Height() - FTop); }
  // The surface begins top pixels below the client area's top.
  void SetTop(int top) { FTop = top; }
  TCanvas& Canvas() override {
    // Drawn at (0, 0), the picture lands at the surface's top; set at every use, so that nothing
    // else that draws on the context can have moved it.
    SetViewportOrgEx(FDc.Get(), 0, FTop, nullptr);
    return *FCanvas;
  }

 private:
  HWND FWindow;
  int FTop = 0;
  TWindowDc FDc;
  // Goes before the device context: it selects the context's own objects back first.
  std::unique_ptr<TGdiCanvas> FCanvas;
};

#pragma once
// The visible paint box: the client area of a window as a drawing surface. The window class has
// its own device context (CS_OWNDC), so one canvas serves for the window's whole life.
#include <windows.h>

#include <memory>

#include "render/win32/gdi_canvas.h"

class TWindowSurface : public TSurface {
 public:
  explicit TWindowSurface(HWND window) : FWindow(window), FCanvas(std::make_unique<TGdiCanvas>(GetDC(window))) {}
  ~TWindowSurface() override {
    HDC dc = FCanvas->Handle();
    FCanvas.reset();  // selects the DC's own objects back first
    ReleaseDC(FWindow, dc);
  }
  TWindowSurface(const TWindowSurface&) = delete;
  TWindowSurface& operator=(const TWindowSurface&) = delete;

  // The size follows the window's client area.
  void SetSize(int, int) override {}
  int Width() const override { return ClientRect().right; }
  int Height() const override { return ClientRect().bottom; }
  TCanvas& Canvas() override { return *FCanvas; }

 private:
  RECT ClientRect() const {
    RECT r{};
    GetClientRect(FWindow, &r);
    return r;
  }
  HWND FWindow;
  std::unique_ptr<TGdiCanvas> FCanvas;
};

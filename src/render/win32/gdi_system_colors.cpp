#include "render/win32/gdi_system_colors.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"

TColor TGdiSystemColors::SysColorRgb(int index) const { return static_cast<TColor>(GetSysColor(index)) & 0xFFFFFF; }

TColor TGdiSystemColors::NearestColor(TColor rgb) const {
  const TWindowDc screen = GetScreenDc();
  if (!screen.Get()) return rgb;
  const COLORREF nearest = GetNearestColor(screen.Get(), static_cast<COLORREF>(rgb & 0xFFFFFF));
  return nearest == CLR_INVALID ? rgb : static_cast<TColor>(nearest) & 0xFFFFFF;
}

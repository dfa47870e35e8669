#pragma once
// System colours and the display's nearest colour from GDI.
#include "render/system_colors.h"

class TGdiSystemColors : public TSystemColors {
 public:
  TColor SysColorRgb(int index) const override;
  TColor NearestColor(TColor rgb) const override;
};

#pragma once
// What the colour schemes need from the display: the RGB value of a system colour and the
// closest colour the display can show.
#include "render/colors.h"

class TSystemColors {
 public:
  virtual ~TSystemColors() = default;
  // RGB (0x00BBGGRR) of the system colour with this COLOR_ index (GetSysColor).
  virtual TColor SysColorRgb(int index) const = 0;
  // The closest colour the screen can show (GetNearestColor on the screen).
  virtual TColor NearestColor(TColor rgb) const = 0;
};

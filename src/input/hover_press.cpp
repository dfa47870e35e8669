#include "input/hover_press.h"

#include <algorithm>
#include <cstdlib>

int LimitHoverTime(int milliseconds) { return std::clamp(milliseconds, HoverTimeMin, HoverTimeMax); }

int HoverTolerance(int pixelsPerInch) {
  const long long scaled = (static_cast<long long>(HoverToleranceAt96) * pixelsPerInch + 48) / 96;
  return static_cast<int>(std::clamp<long long>(scaled, 1, HoverToleranceAt96 * 16));
}

THoverPress::THoverPress(int time, int tolerance) : FTime(LimitHoverTime(time)), FTolerance(tolerance) {}

void THoverPress::SetTime(int time) { FTime = LimitHoverTime(time); }

void THoverPress::Press(std::uint8_t code) {
  FKey = code;
  FSpent = true;
}

void THoverPress::Reset() {
  FKey = 0;
  FSpent = false;
}

std::uint8_t THoverPress::Check(std::uint32_t now, const THoverSample& sample) {
  const std::uint8_t code = sample.Place == THoverPlace::Key ? sample.Code : 0;
  if (code != FKey) {
    // A new visit: of a key, or of no key at all.
    FKey = code;
    FSpent = false;
    FRestStart = now;
    FRestPoint = sample.Point;
  }
  if (FKey == 0 || FSpent) return 0;
  if (sample.ButtonDown || sample.PenOrTouch) {
    FSpent = true;
    return 0;
  }
  if (std::abs(sample.Point.x - FRestPoint.x) > FTolerance || std::abs(sample.Point.y - FRestPoint.y) > FTolerance) {
    FRestStart = now;
    FRestPoint = sample.Point;
  }
  if (static_cast<std::uint32_t>(now - FRestStart) < static_cast<std::uint32_t>(FTime)) return 0;
  FSpent = true;
  return FKey;
}

std::uint8_t THoverPress::ProgressKey() const { return FSpent ? 0 : FKey; }

int THoverPress::Progress(std::uint32_t now) const {
  if (ProgressKey() == 0) return 0;
  const std::uint32_t elapsed = now - FRestStart;
  return static_cast<int>(std::min<std::uint32_t>(elapsed, static_cast<std::uint32_t>(FTime)) * 1000u /
                          static_cast<std::uint32_t>(FTime));
}

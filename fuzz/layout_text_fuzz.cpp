// The layout text parser on any text: it never fails other than by its result, and what it reads
// stays inside the documented limits.
#include <cstdlib>

#include "fuzz_input.h"
#include "keyboard/layout_text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool WithinLimit(int value) { return value >= -LayoutMaxCoordinate && value <= LayoutMaxCoordinate; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TLayoutDescription d = ParseLayoutText(FuzzText(data, size));
  Check(d.KeysRead >= 0 && d.KeysRead <= 255);
  Check(d.SizeRead || d.KeysRead == 0);
  if (d.SizeRead) Check(WithinLimit(d.Height) && WithinLimit(d.Width));
  Check(d.Points[0].empty());
  for (int code = 1; code <= 255; ++code) {
    const TLayoutPoints& points = d.Points[code];
    if (code > d.KeysRead) Check(points.empty());
    Check(static_cast<int>(points.size()) <= LayoutMaxPoints);
    for (const TPoint& p : points) Check(WithinLimit(p.x) && WithinLimit(p.y));
  }
  return 0;
}

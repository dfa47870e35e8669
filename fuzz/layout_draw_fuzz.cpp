// A layout text parsed, loaded into the keyboard control as the program loads one, scaled to a
// control size taken from the first four bytes (1..2048 pixels each way), drawn on the test
// canvas in every state and hit-tested across the control and beyond it.
#include <algorithm>
#include <climits>

#include "fuzz_input.h"
#include "keyboard/keyboard_rig.h"
#include "keyboard/layout_text.h"
#include "render/lv_btn.h"

namespace {

int ControlSize(const std::uint8_t* data) { return 1 + ((data[0] | (data[1] << 8)) % 2048); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const int width = ControlSize(data);
  const int height = ControlSize(data + 2);
  const TLayoutDescription layout = ParseLayoutText(FuzzText(data + 4, size - 4));
  if (!layout.SizeRead) return 0;

  TKeyboardRig rig;
  TLvKeyboard& kb = rig.Kb();
  kb.FillKeyNames();
  kb.SetPaintEnabled(false);
  for (int code = 1; code <= layout.KeysRead; ++code) kb.AddKey(static_cast<std::uint8_t>(code), layout.Points[code]);
  kb.SetImageSize(layout.Width, layout.Height);
  kb.SetDesignSize(layout.Width, layout.Height);
  kb.SetImageSize(width, height);
  kb.ScaleKeys();
  kb.SetPaintEnabled(true);
  kb.SetHkl(GermanHkl);
  kb.SetHkl(0x04090409);
  kb.Redraw(true);

  // Every key drawn pressed and hot once, its legend box computed, and its own corners
  // hit-tested; the whole keyboard is composed once more at the end, not after every modifier.
  kb.SetPaintEnabled(false);
  for (int code = 1; code <= 255; ++code) {
    TLvBtn* key = kb.Key(code);
    if (!key) continue;
    kb.SetKeyPressed(static_cast<std::uint8_t>(code), true);
    key->SetHot(true);
    key->LegendRect();
    key->PaintTo(kb.Image().Canvas(), false);
    key->PaintTo(kb.Image().Canvas(), true);
    kb.SetKeyPressed(static_cast<std::uint8_t>(code), false);
    key->SetHot(false);
    for (const TPoint& p : key->Points()) key->HitTest(p.x, p.y);
    key->HitTest(key->GetLeft() + key->GetWidth() / 2, key->GetTop() + key->GetHeight() / 2);
  }
  kb.SetPaintEnabled(true);
  const int stepX = std::max(1, width / 8), stepY = std::max(1, height / 8);
  for (int y = -stepY; y <= height + stepY; y += stepY)
    for (int x = -stepX; x <= width + stepX; x += stepX) kb.TrackHot(x, y);
  for (const TPoint p : {TPoint{INT_MIN, INT_MIN}, TPoint{INT_MAX, INT_MAX}, TPoint{INT_MIN, INT_MAX}})
    kb.TrackHot(p.x, p.y);
  kb.ClearHot(true);
  return 0;
}

// Drawing of "Standard" at 724 x 297 onto the visible window: the picture rebuilt from scratch
// (back buffer and keys), the picture recomposed from the back buffer, and one letter key shown
// pressed and released, each followed by the copy onto the window.
#include "bench_sections.h"

void BenchRedraw(TBenchKeyboard& rig) {
  PrintHeader("redraw of \"Standard\" at 724x297");
  TLvKeyboard& kb = *rig.Keyboard;
  PrintRow("Redraw(true): back buffer, keys, present", Measure(300, [&] { kb.Redraw(true); }));
  PrintRow("Redraw(false): keys over back buffer, present", Measure(300, [&] { kb.Redraw(false); }));
  PrintRow("Present: image copied onto the window", Measure(1000, [&] { kb.Present(); }));
  rig.Window.Pump();
}

void BenchKeyPress(TBenchKeyboard& rig) {
  PrintHeader("one key press repainted and presented");
  TLvKeyboard& kb = *rig.Keyboard;
  TLvBtn* key = kb.Key('A');
  TSamples press, release;
  TClockMs clock;
  for (int i = 0; i < 1003; ++i) {
    long long t0 = clock.Now();
    kb.SetKeyPressed(key->Code(), true);
    kb.Present();
    long long t1 = clock.Now();
    kb.SetKeyPressed(key->Code(), false);
    kb.Present();
    long long t2 = clock.Now();
    if (i >= 3) {
      press.Add(clock.Between(t0, t1));
      release.Add(clock.Between(t1, t2));
    }
    if (i % 50 == 0) rig.Window.Pump();
  }
  PrintRow("\"A\" SetKeyPressed(true) + Present", press, 0.5);
  PrintRow("\"A\" SetKeyPressed(false) + Present", release, 0.5);

  // A modifier repaints the keys whose legend changes with it, and itself.
  TLvBtn* shift = kb.Key(160);
  TSamples latch, unlatch;
  for (int i = 0; i < 203; ++i) {
    long long t0 = clock.Now();
    kb.SetKeyPressed(shift->Code(), true);
    long long t1 = clock.Now();
    kb.SetKeyPressed(shift->Code(), false);
    long long t2 = clock.Now();
    if (i >= 3) {
      latch.Add(clock.Between(t0, t1));
      unlatch.Add(clock.Between(t1, t2));
    }
    if (i % 20 == 0) rig.Window.Pump();
  }
  PrintRow("left Shift SetKeyPressed(true), presented", latch, 0.5);
  PrintRow("left Shift SetKeyPressed(false), presented", unlatch, 0.5);
  rig.Window.Pump();
}

// Key legends with the system's ToUnicodeEx: computing the table of a language met for the first
// time, and the switch back to a language whose table exists. The program's legends keep their
// tables in the process-wide LangCharsList; a new table is timed by emptying that list (or
// dropping the table of the language switched to) before each run, so each run computes it
// afresh exactly as the first switch to that language does.
//
// Wine answers every input language as English, and GetKeyboardLayoutList reports the one layout
// of the X server; a second handle for the switch is taken from LoadKeyboardLayoutW("00000407"),
// or, when Wine refuses it, used as the number 0x04070407 (the keyboard control only needs a
// handle whose upper half is not 0).
#include <cstdio>

#include "bench_sections.h"
#include "keyboard/lang_chars_fill.h"

namespace {

THkl SecondLanguage(TWin32KeyboardServices& services, THkl first, bool& loaded) {
  const THkl hkl = services.LoadKeyboardLayoutW(L"00000407", 0);
  loaded = hkl != 0 && (hkl >> 16) != 0 && hkl != first;
  return loaded ? hkl : 0x04070407;
}

void DropTable(THkl hkl) {
  if (!LangCharsList.empty() && LangCharsList.back().Hkl == hkl) LangCharsList.pop_back();
}

}  // namespace

void BenchLegends(TBenchKeyboard& rig) {
  PrintHeader("legend tables and language switches");
  TLvKeyboard& kb = *rig.Keyboard;
  const THkl first = kb.Hkl();
  bool loaded = false;
  const THkl second = SecondLanguage(rig.Services, first, loaded);
  std::printf("input languages: shown %08X, second %08X (%s); installed:", static_cast<unsigned>(first),
              static_cast<unsigned>(second), loaded ? "LoadKeyboardLayoutW" : "not loadable, used as a number");
  for (THkl h : rig.Services.GetKeyboardLayoutList(30)) std::printf(" %08X", static_cast<unsigned>(h));
  std::printf("\n");

  TClockMs clock;
  PrintRow("FillLangChars: a whole new table at once (about 924 ToUnicodeEx)", Measure(30, [&] {
             TLangChars table;
             table.Hkl = second;
             FillLangChars(table, rig.Services);
           }));

  PrintRow("  FillLangCharsAltGr: the four AltGr combinations of a new table", Measure(30, [&] {
             TLangChars table;
             table.Hkl = second;
             FillLangCharsAltGr(table, rig.Services);
           }));

  // What a switch to a new language fills before its picture: the shown keys' legends.
  TShownLegends shown;
  shown.State = kb.KeyState();
  for (int code = 1; code <= 255; ++code) {
    const TLvBtn* key = kb.Key(static_cast<std::uint8_t>(code));
    shown.Codes[code] = key && key->Drawn();
  }
  PrintRow("PrepareLegends of a new language (names, lock, shown keys)",
           Measure(
               30, [&] { rig.Legends.PrepareLegends(second, kb.KeyNames(), shown, rig.Services); },
               [&] { DropTable(second); }),
           5.0);

  // The first switch to a language: placement, the shown legends, recomposed picture.
  PrintRow("SetHkl to a new language (place, shown legends, redraw)",
           Measure(
               30, [&] { kb.SetHkl(second); },
               [&] {
                 kb.SetHkl(first);
                 DropTable(second);
                 rig.Window.Pump();
               }),
           5.0);

  // The rest of that table, made in idle steps after the picture.
  TSamples rest, step;
  for (int i = 0; i < 20; ++i) {
    kb.SetHkl(first);
    DropTable(second);
    rig.Window.Pump();
    kb.SetHkl(second);
    const long long t0 = clock.Now();
    for (;;) {
      const long long s0 = clock.Now();
      const bool more = kb.FillPendingLegends();
      step.Add(clock.Between(s0, clock.Now()));
      if (!more) break;
    }
    rest.Add(clock.Between(t0, clock.Now()));
  }
  PrintRow("the rest of a new table, all idle steps", rest, 20.0);
  PrintRow("  one idle step (one combination)", step);

  // Both tables exist from here on.
  kb.SetHkl(second);
  kb.SetHkl(first);
  TSamples toSecond, back;
  for (int i = 0; i < 203; ++i) {
    const long long t0 = clock.Now();
    kb.SetHkl(second);
    const long long t1 = clock.Now();
    kb.SetHkl(first);
    const long long t2 = clock.Now();
    if (i >= 3) {
      toSecond.Add(clock.Between(t0, t1));
      back.Add(clock.Between(t1, t2));
    }
    if (i % 20 == 0) rig.Window.Pump();
  }
  PrintRow("SetHkl back to a seen language (second)", toSecond, 2.0);
  PrintRow("SetHkl back to a seen language (first)", back, 2.0);
  PrintRow("  PlaceKeys", Measure(200, [&] { kb.PlaceKeys(); }));
  PrintRow("  PrepareLegends of a seen language", Measure(200, [&] { kb.PrepareLegends(); }));
  PrintRow("PrepareLegends + Redraw(false) of a seen language",
           Measure(200,
                   [&] {
                     kb.PrepareLegends();
                     kb.Redraw(false);
                   }),
           2.0);
  std::printf("legend tables kept: %zu\n", LangCharsList.size());
  rig.Window.Pump();
}

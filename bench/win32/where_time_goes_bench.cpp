// Where the time of the drawing and legend paths goes under the system the harness runs on: a
// keyboard whose canvases add up the time of every call (so the keyboard's own work is the rest),
// and the cost of single GDI and keyboard-service calls of the kinds those paths make.
#include <cstdio>

#include "app/window_sizing.h"
#include "bench_sections.h"
#include "keyboard/lang_chars_fill.h"
#include "keyboard/twice_translated_table.h"
#include "keys/vk_classes.h"
#include "platform/win32/win32_handles.h"
#include "profiling_canvas.h"
#include "render/theme.h"

namespace {

// Runs body runs times with the profile cleared first; prints the wall time and the canvas split.
void Profiled(const char* title, TCanvasProfile& profile, int runs, const std::function<void()>& body) {
  profile.Clear();
  TClockMs clock;
  const long long start = clock.Now();
  for (int i = 0; i < runs; ++i) body();
  const double wall = clock.Between(start, clock.Now()) / runs;
  std::printf("\n%s: %.3f ms a run in all\n", title, wall);
  profile.Print("  canvas calls", runs);
  std::printf("    %-34s %24.3f ms\n", "keyboard's own work (the rest)", wall - profile.TotalMs() / runs);
}

void ProfileKeyboard(TBenchKeyboard& rig) {
  TCanvasProfile profile;
  TProfilingSurfaceFactory surfaces(profile);
  TProfilingSurface paintBox(profile, rig.PaintBox);
  TLvKeyboard kb(paintBox, surfaces, rig.Services, rig.Injector, rig.Desktop, &rig.Legends);
  kb.FillKeyNames();
  auto loadAndShow = [&kb] {
    kb.LoadLayout(1);
    const TSize size = InitialClientSize(kb.DesignWidth(), kb.DesignHeight(), BenchWorkArea);
    TBenchKeyboard::FitKeyboard(kb, size.Width, size.Height);
  };
  loadAndShow();
  kb.SetActive(true);

  std::printf("\n== where the time goes: \"Standard\" at %dx%d, canvas calls timed one by one\n", kb.Width(),
              kb.Height());
  Profiled("load plus full redraw", profile, 30, loadAndShow);
  Profiled("LoadLayout alone (includes a Redraw(true) at 441x181)", profile, 30, [&] { kb.LoadLayout(1); });
  Profiled("load plus full redraw, painting held off until the resize is done", profile, 30, [&] {
    kb.SetPaintEnabled(false);
    loadAndShow();
    kb.SetPaintEnabled(true);
  });
  loadAndShow();
  Profiled("Redraw(true)", profile, 100, [&] { kb.Redraw(true); });
  Profiled("Redraw(false)", profile, 100, [&] { kb.Redraw(false); });
  TLvBtn* key = kb.Key('A');
  Profiled("\"A\" pressed + Present, released + Present", profile, 200, [&] {
    kb.SetKeyPressed(key->Code(), true);
    kb.Present();
    kb.SetKeyPressed(key->Code(), false);
    kb.Present();
  });
  rig.Window.Pump();
}

void TimeGdiCalls(TBenchKeyboard& rig) {
  PrintHeader("single GDI calls on a 724x297 memory bitmap");
  TGdiSurface surface;
  surface.SetSize(724, 297);
  TGdiSurface other;
  other.SetSize(724, 297);
  const HDC dc = surface.Handle();
  const int ppi = rig.Desktop.ScreenPpi();

  auto font = [ppi](const wchar_t* face, int points, bool bold) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(points, ppi, 72);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&lf);
  };
  const std::wstring face = Theme.CharFontName;
  bool flip = false;
  PrintRow("CreateFontIndirectW + SelectObject + DeleteObject", Measure(2000, [&] {
             flip = !flip;
             HFONT f = font(face.c_str(), flip ? Theme.CharFontSize : Theme.NameFontSize, true);
             HGDIOBJ old = SelectObject(dc, f);
             SelectObject(dc, old);
             DeleteObject(f);
           }));
  {
    const TFontHandle held(font(face.c_str(), Theme.CharFontSize, true));
    const TSelectedObject selected(dc, held.Get());
    SIZE size;
    PrintRow("GetTextExtentPoint32W of one letter", Measure(5000, [&] { GetTextExtentPoint32W(dc, L"W", 1, &size); }));
    RECT r{100, 100, 140, 140};
    PrintRow("DrawTextExW of one letter, centred", Measure(5000, [&] {
               RECT rc = r;
               wchar_t text[] = L"W";
               DrawTextExW(dc, text, 1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, nullptr);
             }));
    PrintRow("DrawTextExW of \"Backspace\", left", Measure(5000, [&] {
               RECT rc{100, 100, 200, 140};
               wchar_t text[] = L"Backspace";
               DrawTextExW(dc, text, 9, &rc, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, nullptr);
             }));
    PrintRow("ExtTextOutW of one letter (no layout work)",
             Measure(5000, [&] { ExtTextOutW(dc, 110, 105, ETO_CLIPPED, &r, L"W", 1, nullptr); }));
  }
  const POINT poly[] = {{10, 10}, {60, 10}, {60, 40}, {50, 40}, {50, 70}, {20, 70}, {20, 40}, {10, 40}};
  PrintRow("Polygon of 8 points (Enter)", Measure(5000, [&] { Polygon(dc, poly, 8); }));
  PrintRow("Rectangle 40x40", Measure(5000, [&] { Rectangle(dc, 10, 10, 50, 50); }));
  PrintRow("BitBlt 724x297 memory -> memory",
           Measure(1000, [&] { BitBlt(other.Handle(), 0, 0, 724, 297, dc, 0, 0, SRCCOPY); }));
  const HDC windowDc = static_cast<TGdiCanvas&>(rig.PaintBox.Canvas()).Handle();
  PrintRow("BitBlt 724x297 memory -> window",
           Measure(1000, [&] { BitBlt(windowDc, 0, 0, 724, 297, dc, 0, 0, SRCCOPY); }));
  bool big = false;
  PrintRow("TGdiSurface::SetSize 441x181 <-> 724x297 (DIB section)", Measure(500, [&] {
             big = !big;
             other.SetSize(big ? 441 : 724, big ? 181 : 297);
           }));
  rig.Window.Pump();
}

// Keyboard services that count the translations.
class TCountingServices : public TWin32KeyboardServices {
 public:
  int Translations = 0;
  int ToUnicodeEx(unsigned virtKey, unsigned scanCode, const TKeyboardState& keyState, wchar_t* buffer, int bufferSize,
                  unsigned flags, THkl hkl) override {
    ++Translations;
    return TWin32KeyboardServices::ToUnicodeEx(virtKey, scanCode, keyState, buffer, bufferSize, flags, hkl);
  }
};

void TimeFillVariants(TBenchKeyboard& rig) {
  PrintHeader("legend table fill: where the time goes");
  const THkl hkl = rig.Keyboard->Hkl();
  PrintRow("two translations per combination (GetKeyChars, before)", Measure(20, [&] {
             TLangChars table;
             table.Hkl = hkl;
             FillLangCharsTwice(table, rig.Services);
           }));
  PrintRow("FillLangChars (a second translation after a dead key)",
           Measure(20,
                   [&] {
                     TLangChars table;
                     table.Hkl = hkl;
                     FillLangChars(table, rig.Services);
                   }),
           20.0);
  PrintRow("FillLangCharsCombination: the combination on screen",
           Measure(20,
                   [&] {
                     TLangChars table;
                     table.Hkl = hkl;
                     FillLangCharsCombination(table, rig.Services, false, false, false, false);
                   }),
           5.0);
  TCountingServices counting;
  TLangChars reference, filled;
  reference.Hkl = filled.Hkl = hkl;
  FillLangCharsTwice(reference, counting);
  const int before = counting.Translations;
  FillLangChars(filled, counting);
  const int now = counting.Translations - before;
  const bool same = reference.Chars == filled.Chars && reference.HasAltGr == filled.HasAltGr;
  std::printf("FillLangChars: %d ToUnicodeEx calls instead of %d; same table: %s\n", now, before, same ? "yes" : "NO");
}

void TimeKeyboardServices(TBenchKeyboard& rig) {
  PrintHeader("single keyboard-service calls (a fill makes about 924 of each)");
  const THkl hkl = rig.Keyboard->Hkl();
  TWin32KeyboardServices& s = rig.Services;
  PrintRow("MapVirtualKeyExW(VK_A, MAPVK_VK_TO_VSC)",
           Measure(5000, [&] { s.MapVirtualKeyExW('A', MapVkVkToVsc, hkl); }));
  const unsigned scan = s.MapVirtualKeyExW('A', MapVkVkToVsc, hkl);
  wchar_t buffer[2];
  const struct {
    const char* name;
    TKeyboardState state;
  } states[] = {{"ToUnicodeEx(VK_A), no modifier", ModifierState(false, false, false, false)},
                {"ToUnicodeEx(VK_A), Shift", ModifierState(true, false, false, false)},
                {"ToUnicodeEx(VK_A), AltGr", ModifierState(false, true, false, false)},
                {"ToUnicodeEx(VK_A), Ctrl + Caps Lock", ModifierState(false, false, true, true)}};
  for (const auto& row : states)
    PrintRow(row.name, Measure(5000, [&] { s.ToUnicodeEx('A', scan, row.state, buffer, 2, 0, hkl); }));
  PrintRow("KeyToText(VK_A): map + translate + trim", Measure(5000, [&] { KeyToText(s, 'A', states[1].state, hkl); }));
}

}  // namespace

void BenchWhereTimeGoes(TBenchKeyboard& rig) {
  ProfileKeyboard(rig);
  TimeGdiCalls(rig);
  TimeKeyboardServices(rig);
  TimeFillVariants(rig);
}

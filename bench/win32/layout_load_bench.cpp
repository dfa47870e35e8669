// Layout loads on GDI: the parse alone, LoadLayout (which builds the keys and draws them once at
// the layout's own size), and what a change of layout costs the program in all: the load, then
// the keyboard window's resize work with the full redraw at the size for the work area (and, for
// "Standard", with the recomposition the keyboard window adds after its resize).
#include <string>

#include "bench_sections.h"
#include "keyboard/builtin_layouts.h"
#include "keyboard/layout_text.h"
#include "keyboard/paint_hold.h"

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

void BenchLayouts(TBenchKeyboard& rig) {
  PrintHeader("layout parse and load");
  for (int layout = 1; layout <= LayoutCount; ++layout) {
    const std::string name = std::to_string(layout) + " " + Narrow(LayoutListItem(layout));
    const std::wstring& text = LayoutText(layout);
    PrintRow("parse " + name, Measure(2000, [&] {
               volatile bool ok = ParseLayoutText(text).Succeeded();
               (void)ok;
             }));
    PrintRow("LoadLayout " + name, Measure(60, [&] { rig.Keyboard->LoadLayout(layout); }));
    rig.LoadAndShow(layout);
    const TRect shown = rig.LoadAndShow(layout);
    PrintRow(
        "load plus full redraw " + name + " at " + std::to_string(shown.Right) + "x" + std::to_string(shown.Bottom),
        Measure(
            60, [&] { rig.LoadAndShow(layout); }, [&] { rig.Window.Pump(); }),
        layout == 1 ? 5.0 : NoTarget);
  }
  // The keyboard window's BuildKeyboard recomposes once more after its resize.
  PrintRow("load, full redraw, then Redraw(false) as BuildKeyboard does", Measure(
                                                                              60,
                                                                              [&] {
                                                                                rig.LoadAndShow(1);
                                                                                rig.Keyboard->Redraw(false);
                                                                              },
                                                                              [&] { rig.Window.Pump(); }));
  // The keyboard window holds painting off across the load and the resize: one drawing.
  PrintRow("load and show with painting held (a change of layout)",
           Measure(
               60,
               [&] {
                 TPaintHold hold(*rig.Keyboard);
                 rig.LoadAndShow(1);
               },
               [&] { rig.Window.Pump(); }),
           3.0);
  rig.LoadAndShow(1);
  rig.Window.Pump();
}

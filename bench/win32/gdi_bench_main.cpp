// Timed harness of the drawing and input paths on GDI, with the system's keyboard services, the
// program's key legends and SendInput. It prints the median, mean and fastest time of every
// operation and the target it is read against; it judges nothing and always exits with 0.
//
// Usage: orvilla_win32_bench.exe [layouts] [redraw] [press] [road] [legends] [profile]
//        (default: all)
//        orvilla_win32_bench.exe startup: the start-up steps once, in this fresh process, alone
//        orvilla_win32_bench.exe startup-floor: the same start, then a bare window of the settings
//        dialog's kind shown in its place (what Wine itself takes to show such a window)
#include <cstdio>
#include <cstring>

#include "bench_sections.h"
#include "keyboard/lang_chars_fill.h"
#include "startup_bench.h"

int main(int argc, char** argv) {
  auto wanted = [argc, argv](const char* name) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i)
      if (std::strcmp(argv[i], name) == 0) return true;
    return false;
  };
  if (argc == 2 && std::strcmp(argv[1], "startup") == 0) return BenchStartup(false);
  if (argc == 2 && std::strcmp(argv[1], "startup-floor") == 0) return BenchStartup(true);
  {
    // The first translations of a process pay for the system's one-off keyboard set-up; the
    // program pays it once, at start-up, with its first legend table.
    TWin32KeyboardServices services;
    TLangChars table;
    table.Hkl = UsEnglishHkl;
    TClockMs clock;
    const long long start = clock.Now();
    FillLangChars(table, services);
    std::printf("first legend table of the process: %.2f ms\n", clock.Between(start, clock.Now()));
  }
  TBenchKeyboard rig;
  std::printf("Orvilla GDI harness: \"Standard\" at %d x %d, %d pixels per inch\n", rig.PaintBox.Width(),
              rig.PaintBox.Height(), rig.Desktop.ScreenPpi());
  if (wanted("layouts")) BenchLayouts(rig);
  if (wanted("redraw")) BenchRedraw(rig);
  if (wanted("press")) BenchKeyPress(rig);
  if (wanted("road")) BenchPressRoad(rig);
  if (wanted("legends")) BenchLegends(rig);
  if (wanted("profile")) BenchWhereTimeGoes(rig);
  return 0;
}

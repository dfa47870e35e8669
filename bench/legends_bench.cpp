// Key legends: the fill of a new language's legend table (32 translations for each of the 77
// character keys), the switch back to a language met before (names localised, table found), and
// the lookup a key makes when it draws its legend. Keyboard services are the test fakes, so the
// fill figures show the program's own work around ToUnicodeEx; the system's share is measured
// under Wine by the Windows test LegendsTiming.
#include <benchmark/benchmark.h>

#include <memory>

#include "fakes/fake_keyboard_services.h"
#include "fakes/fake_named_objects.h"
#include "keyboard/key_legends.h"
#include "keyboard/keyboard_desktop.h"
#include "keyboard/lang_chars_fill.h"
#include "keyboard/lv_keyboard.h"

namespace {

// A canvas and surfaces that draw nothing.
class TNullCanvas : public TCanvas {
 public:
  void SetPenColor(TColor) override {}
  void SetBrushColor(TColor) override {}
  void SetBrushStyle(TBrushStyle) override {}
  void Rectangle(const TRect&) override {}
  void Polygon(const std::vector<TPoint>&) override {}
  void FillRect(const TRect&) override {}
  void SetFontName(const std::wstring&) override {}
  void SetFontSize(int) override {}
  void SetFontStyle(TFontStyles) override {}
  void SetFontColor(TColor) override {}
  bool HasGlyph(wchar_t) override { return true; }
  TTextSize TextExtent(const std::wstring& text) override { return {static_cast<int>(text.size()) * 8, 16}; }
  void DrawTextInRect(const TRect&, const std::wstring&, TTextFormat) override {}
  void Draw(int, int, TSurface&) override {}
  void CopyRect(const TRect&, TSurface&) override {}
  void ClipTo(const std::vector<TRect>&) override {}
  void ResetClip() override {}
};

class TNullSurface : public TSurface {
 public:
  void SetSize(int width, int height) override {
    FWidth = width;
    FHeight = height;
  }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  TCanvas& Canvas() override { return FCanvas; }

 private:
  int FWidth = 0, FHeight = 0;
  TNullCanvas FCanvas;
};

class TNullSurfaceFactory : public TSurfaceFactory {
 public:
  std::unique_ptr<TSurface> CreateSurface() override { return std::make_unique<TNullSurface>(); }
};

class TNoKeyInjector : public TKeyInjector {
 public:
  void SendKeyEvent(std::uint16_t, bool, bool) override {}
};

// A keyboard control with the real legends over the fakes, showing German.
struct TBenchKeyboard {
  TNullSurface paintBox;
  TNullSurfaceFactory surfaces;
  TFakeKeyboardServices services;
  TNoKeyInjector injector;
  TProcessKeyboardDesktop desktop{[] { return 96; }};
  TFakeNamedObjects namedObjects;
  TLangCharsList list;
  TLangCharsLegends legends{list, namedObjects, [] { return std::uint16_t{0x0409}; }};
  std::unique_ptr<TLvKeyboard> keyboard;

  TBenchKeyboard() {
    services.ForegroundHkl = GermanHkl;
    paintBox.SetSize(441, 181);
    keyboard = std::make_unique<TLvKeyboard>(paintBox, surfaces, services, injector, desktop, &legends);
  }
};

const THkl BenchLanguages[] = {UsEnglishHkl, GermanHkl, FrenchHkl};

void BM_FillLangChars(benchmark::State& state) {
  TFakeKeyboardServices services;
  const THkl hkl = BenchLanguages[state.range(0)];
  for (auto _ : state) {
    auto table = std::make_unique<TLangChars>();
    table->Hkl = hkl;
    FillLangChars(*table, services);
    benchmark::DoNotOptimize(table->HasAltGr);
  }
  state.SetItemsProcessed(state.iterations() * 77 * 16);  // key and combination entries
}
BENCHMARK(BM_FillLangChars)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// PrepareLegends for a language whose table exists: localise the names, find the table.
void BM_PrepareKnownLanguage(benchmark::State& state) {
  TBenchKeyboard rig;
  rig.keyboard->SetHkl(UsEnglishHkl);
  rig.keyboard->SetHkl(FrenchHkl);
  rig.keyboard->SetHkl(GermanHkl);
  const int translations = rig.services.ToUnicodeCalls;
  TLvKeyboard& kb = *rig.keyboard;
  const THkl order[] = {GermanHkl, UsEnglishHkl, FrenchHkl};
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rig.legends.PrepareLegends(order[i++ % 3], kb.KeyNames(), TShownLegends{}, rig.services));
  }
  if (rig.services.ToUnicodeCalls != translations) state.SkipWithError("a known table was filled again");
}
BENCHMARK(BM_PrepareKnownLanguage);

// The whole switch back to a known language with a layout loaded: key placement and legends.
void BM_SwitchBackWithLayout(benchmark::State& state) {
  TBenchKeyboard rig;
  rig.keyboard->FillKeyNames();
  rig.keyboard->LoadLayout(1);
  rig.keyboard->SetHkl(UsEnglishHkl);
  bool german = false;
  for (auto _ : state) {
    german = !german;
    rig.keyboard->SetHkl(german ? GermanHkl : UsEnglishHkl);
  }
  if (rig.list.size() != 2) state.SkipWithError("a table was added while switching back");
}
BENCHMARK(BM_SwitchBackWithLayout)->Unit(benchmark::kMicrosecond);

// The lookups behind the character legends of one redraw: every code under latched right Alt.
void BM_GetLegendAllCharacterKeys(benchmark::State& state) {
  TBenchKeyboard rig;
  TLvKeyboard& kb = *rig.keyboard;
  kb.SetKeyStateByte(165, 0x81);
  kb.SetKeyStateByte(18, 0x81);
  for (auto _ : state) {
    std::size_t length = 0;
    for (int code = 1; code <= 255; ++code) length += kb.GetLegend(static_cast<std::uint8_t>(code)).size();
    benchmark::DoNotOptimize(length);
  }
}
BENCHMARK(BM_GetLegendAllCharacterKeys);

}  // namespace

// Cost of the keyboard control's work: loading each built-in layout, rebuilding and recomposing
// the picture of "Standard" at the size for a 1920 x 1040 work area (724 x 297), and one key press
// repainted and presented. The canvas only counts what it is asked to draw, so the numbers are
// the keyboard model's own cost without any real drawing.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_keyboard_desktop.h"
#include "fakes/fake_keyboard_services.h"
#include "fakes/recording_key_injector.h"
#include "keyboard/builtin_layouts.h"
#include "keyboard/lv_keyboard.h"
#include "render/fonts.h"
#include "render/theme.h"

namespace {

class TCountingCanvas : public TCanvas {
 public:
  long long Calls = 0;
  void SetPenColor(TColor) override { ++Calls; }
  void SetBrushColor(TColor) override { ++Calls; }
  void SetBrushStyle(TBrushStyle) override { ++Calls; }
  void Rectangle(const TRect&) override { ++Calls; }
  void Polygon(const std::vector<TPoint>&) override { ++Calls; }
  void FillRect(const TRect&) override { ++Calls; }
  void SetFontName(const std::wstring&) override { ++Calls; }
  void SetFontSize(int size) override { FSize = size; }
  void SetFontStyle(TFontStyles) override { ++Calls; }
  void SetFontColor(TColor) override { ++Calls; }
  bool HasGlyph(wchar_t) override { return true; }
  TTextSize TextExtent(const std::wstring& text) override { return {static_cast<int>(text.size()) * FSize, 2 * FSize}; }
  void DrawTextInRect(const TRect&, const std::wstring&, TTextFormat) override { ++Calls; }
  void Draw(int, int, TSurface&) override { ++Calls; }
  void CopyRect(const TRect&, TSurface&) override { ++Calls; }
  void ClipTo(const std::vector<TRect>&) override { ++Calls; }
  void ResetClip() override { ++Calls; }

 private:
  int FSize = 8;
};

class TCountingSurface : public TSurface {
 public:
  void SetSize(int width, int height) override {
    FWidth = width;
    FHeight = height;
  }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  TCanvas& Canvas() override { return FCanvas; }

 private:
  int FWidth = 0;
  int FHeight = 0;
  TCountingCanvas FCanvas;
};

class TCountingSurfaceFactory : public TSurfaceFactory {
 public:
  std::unique_ptr<TSurface> CreateSurface() override { return std::make_unique<TCountingSurface>(); }
};

// Legends that answer from a small table, as the real ones do after their first fill.
class TTableLegends : public TKeyLegends {
 public:
  TPreparedLegends PrepareLegends(THkl, const TKeyNames& keyNames, const TShownLegends&, TKeyboardServices&) override {
    return {keyNames, 0};
  }
  std::wstring GetLegend(std::int32_t, const TKeyboardState&, std::uint8_t code, TKeyboardServices&) override {
    return std::wstring(1, static_cast<wchar_t>(code));
  }
  bool FillPendingLegends(std::int32_t, TKeyboardServices&) override { return false; }
};

struct TBenchKeyboard {
  TCountingSurface paintBox;
  TCountingSurfaceFactory surfaces;
  TFakeKeyboardServices services;
  TRecordingKeyInjector injector;
  TFakeKeyboardDesktop desktop;
  TTableLegends legends;
  std::unique_ptr<TLvKeyboard> keyboard;

  TBenchKeyboard() {
    Theme.NameFontSize = 8;
    Theme.CharFontSize = 10;
    Theme.NameFontName = Theme.CharFontName = L"Segoe UI";
    HasSegoeFluentIcons = true;
    paintBox.SetSize(724, 297);
    keyboard = std::make_unique<TLvKeyboard>(paintBox, surfaces, services, injector, desktop, &legends);
    keyboard->FillKeyNames();
    keyboard->SetActive(true);
  }

  // "Standard" at the size the main window gives it on a 1920 x 1040 work area.
  void ShowStandard() {
    keyboard->LoadLayout(1);
    keyboard->SetImageSize(724, 297);
    keyboard->ScaleKeys();
    keyboard->Redraw(true);
  }
};

void BM_LoadLayout(benchmark::State& state) {
  TBenchKeyboard rig;
  const int index = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(rig.keyboard->LoadLayout(index));
  state.SetLabel(std::string(LayoutListItem(index).begin(), LayoutListItem(index).end()));
}
BENCHMARK(BM_LoadLayout)->DenseRange(1, 6);

void BM_RedrawRebuild(benchmark::State& state) {
  TBenchKeyboard rig;
  rig.ShowStandard();
  for (auto _ : state) rig.keyboard->Redraw(true);
}
BENCHMARK(BM_RedrawRebuild);

void BM_RedrawCompose(benchmark::State& state) {
  TBenchKeyboard rig;
  rig.ShowStandard();
  for (auto _ : state) rig.keyboard->Redraw(false);
}
BENCHMARK(BM_RedrawCompose);

// One press or release of "A": the key repaints itself and the picture is presented.
void BM_KeyPressPresented(benchmark::State& state) {
  TBenchKeyboard rig;
  rig.ShowStandard();
  TLvBtn* key = rig.keyboard->Key(65);
  bool pressed = false;
  for (auto _ : state) {
    pressed = !pressed;
    rig.keyboard->SetKeyPressed(key->Code(), pressed);
    rig.keyboard->Present();
  }
}
BENCHMARK(BM_KeyPressPresented);

// A modifier press recomposes the whole picture from the back buffer.
void BM_ModifierPressPresented(benchmark::State& state) {
  TBenchKeyboard rig;
  rig.ShowStandard();
  TLvBtn* key = rig.keyboard->Key(160);
  bool pressed = false;
  for (auto _ : state) {
    pressed = !pressed;
    rig.keyboard->SetKeyPressed(key->Code(), pressed);
  }
}
BENCHMARK(BM_ModifierPressPresented);

}  // namespace

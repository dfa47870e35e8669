// Parse time of each built-in keyboard layout (the work of one layout load before keys are built).
#include <benchmark/benchmark.h>

#include "keyboard/builtin_layouts.h"
#include "keyboard/layout_text.h"

static void BM_ParseBuiltinLayout(benchmark::State& state) {
  const std::wstring& text = LayoutText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TLayoutDescription d = ParseLayoutText(text);
    benchmark::DoNotOptimize(d);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size() * sizeof(wchar_t)));
}
BENCHMARK(BM_ParseBuiltinLayout)->DenseRange(1, LayoutCount);

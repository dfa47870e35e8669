// Word prediction: a key press to the new suggestions in a language already loaded (target:
// under 2 ms with the drawing of the row), the first load of a language's list (under 30 ms) and
// the memory one loaded list takes (under 2 MiB, the counter "bytes").
#include <benchmark/benchmark.h>

#include <string>

#include "words/word_list_files.h"
#include "words/word_prediction.h"

namespace {

// Ordinary typing: letters, spaces, a comma and a full stop.
constexpr char16_t Typing[] =
    u"when my grandmother was young, the house by the river was the only building for miles. "
    u"there was no road then, only a narrow path that went down through the trees to the water ";

void WordsKeyPressToSuggestions(benchmark::State& state) {
  TWordListFiles files(ORVILLA_WORD_LISTS);
  TUserWords user;
  TWordPrediction prediction(files, user);
  prediction.SetLanguage(0x0409);
  prediction.Suggestions();  // the list loaded
  const std::u16string text = Typing;
  std::size_t pos = 0;
  for (auto _ : state) {
    prediction.Typed(std::u16string(1, text[pos]));
    benchmark::DoNotOptimize(prediction.Suggestions());
    pos = (pos + 1) % text.size();
  }
}
BENCHMARK(WordsKeyPressToSuggestions);

void WordsFirstLoadOfALanguage(benchmark::State& state) {
  TWordListFiles files(ORVILLA_WORD_LISTS);
  const TWordListCatalogEntry* entry = FindWordList(static_cast<std::uint16_t>(state.range(0)));
  const TWordListBytes bytes = files.Open(*entry);  // read from disk once: the program maps it
  std::size_t memory = 0;
  for (auto _ : state) {
    TWordList list = TWordList::Decode(bytes);
    memory = list.MemoryBytes();
    benchmark::DoNotOptimize(list);
  }
  state.SetLabel(entry->Name);
  state.counters["bytes"] = static_cast<double>(memory);
}
BENCHMARK(WordsFirstLoadOfALanguage)
    ->Arg(0x09)
    ->Arg(0x07)
    ->Arg(0x0C)
    ->Arg(0x0A)
    ->Arg(0x19)
    ->Unit(benchmark::kMillisecond);

}  // namespace

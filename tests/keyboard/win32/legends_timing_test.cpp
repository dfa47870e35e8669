// Figures of the legend table fill with the system's ToUnicodeEx: printed, not judged. The fill
// runs once per input language; these numbers show what that first switch costs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "keyboard/lang_chars.h"
#include "keyboard/lang_chars_fill.h"
#include "keyboard/win32/keyboard_services_win32.h"
#include "keyboard/win32/named_objects_win32.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

TEST(LegendsTiming, FillOfTheEnglishTableWithTheSystemTranslation) {
  TWin32KeyboardServices services;
  constexpr int Rounds = 5;
  double total = 0, fastest = 1e9;
  std::size_t legends = 0;
  for (int round = 0; round < Rounds; ++round) {
    auto table = std::make_unique<TLangChars>();
    table->Hkl = UsEnglishHkl;
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    FillLangChars(*table, services);
    QueryPerformanceCounter(&stop);
    const double ms = Milliseconds(start, stop);
    total += ms;
    if (ms < fastest) fastest = ms;
    legends = 0;
    for (const auto& key : table->Chars)
      for (const auto& a : key)
        for (const auto& b : a)
          for (const auto& c : b)
            for (const auto& text : c) legends += text.empty() ? 0 : 1;
  }
  std::printf("legend table fill (about 924 ToUnicodeEx calls): %.2f ms average, %.2f ms fastest of %d\n",
              total / Rounds, fastest, Rounds);
  EXPECT_GT(legends, 0u);
}

TEST(LegendsTiming, TakingAndReleasingTheFreeFillName) {
  TWin32NamedObjects objects;
  constexpr int Rounds = 100;
  LARGE_INTEGER start, stop;
  QueryPerformanceCounter(&start);
  int held = 0;
  for (int round = 0; round < Rounds; ++round) {
    TFillLock lock(objects);
    held += lock.Held() ? 1 : 0;
  }
  QueryPerformanceCounter(&stop);
  std::printf("fill lock taken and released: %.1f us each\n", 1000.0 * Milliseconds(start, stop) / Rounds);
  EXPECT_EQ(held, Rounds);
}

}  // namespace

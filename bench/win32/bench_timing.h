#pragma once
// Timing for the Windows harness: a high-resolution clock, samples of one operation, and the
// printed rows (median, mean, fastest, and the target the figure is read against).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

// QueryPerformanceCounter ticks, read as milliseconds.
class TClockMs {
 public:
  TClockMs() { QueryPerformanceFrequency(&FFrequency); }
  long long Now() const {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
  }
  double Between(long long from, long long to) const {
    return 1000.0 * static_cast<double>(to - from) / static_cast<double>(FFrequency.QuadPart);
  }

 private:
  LARGE_INTEGER FFrequency;
};

// The durations of one operation, in milliseconds.
struct TSamples {
  std::vector<double> Ms;

  void Add(double ms) { Ms.push_back(ms); }
  double Median() const {
    if (Ms.empty()) return 0;
    std::vector<double> sorted = Ms;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
  }
  double Mean() const {
    return Ms.empty() ? 0 : std::accumulate(Ms.begin(), Ms.end(), 0.0) / static_cast<double>(Ms.size());
  }
  double Fastest() const { return Ms.empty() ? 0 : *std::min_element(Ms.begin(), Ms.end()); }
};

// No target for a row that is printed for information.
constexpr double NoTarget = 0;

inline void PrintHeader(const char* section) {
  std::printf("\n== %s\n", section);
  std::printf("%-58s %6s %10s %10s %10s  %s\n", "operation", "reps", "median ms", "mean ms", "fastest", "target");
}

inline void PrintRow(const std::string& name, const TSamples& s, double targetMs = NoTarget) {
  char target[48] = "";
  if (targetMs > 0)
    std::snprintf(target, sizeof target, "< %.1f ms: %s", targetMs, s.Median() < targetMs ? "met" : "MISSED");
  std::printf("%-58s %6zu %10.4f %10.4f %10.4f  %s\n", name.c_str(), s.Ms.size(), s.Median(), s.Mean(), s.Fastest(),
              target);
  std::fflush(stdout);
}

// Runs body reps times after warmUp untimed runs; between runs (untimed) runs between, if any.
inline TSamples Measure(int reps, const std::function<void()>& body, const std::function<void()>& between = nullptr,
                        int warmUp = 3) {
  TClockMs clock;
  TSamples samples;
  for (int i = 0; i < warmUp + reps; ++i) {
    const long long start = clock.Now();
    body();
    const long long stop = clock.Now();
    if (i >= warmUp) samples.Add(clock.Between(start, stop));
    if (between) between();
  }
  return samples;
}

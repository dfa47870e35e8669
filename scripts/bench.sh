#!/usr/bin/env bash
# Builds and runs every benchmark and prints the figures: the native Google Benchmarks of the
# portable logic (build/bench/orvilla_bench), then the timed harness of the GDI drawing, the click
# road with SendInput and the key legends under Wine (orvilla_win32_bench.exe of the 32-bit build,
# or of the 64-bit build where 32-bit programs cannot run).
#
# Then the start-up: Orvilla.exe and a bare window of the same kind (tools/win32/bare_window.cpp)
# started alternately, the time from exec to the window mapped (xdotool), the memory each process
# holds once shown, and the steps of Orvilla's start-up timed inside the harness.
#
# Usage: scripts/bench.sh [--native-only | --wine-only | --startup-only] [harness sections...]
#   harness sections: layouts redraw press road legends profile (default: all)
# Environment: ORV_BENCH_REPETITIONS=N repeats each native benchmark N times and prints the
#   aggregates; ORV_BENCH_CPU=N runs Wine's server and the harness on CPU N only. Under Wine every
#   keyboard translation and key injection is a round trip to the Wine server process; when the
#   two run on different CPUs of a virtual machine each round trip waits for the other CPU to
#   wake, which makes those figures several times slower and much less steady.
#   ORV_BENCH_STARTS=N starts each program N times (default 7) after one warm-up start.
#   ORV_BENCH_BASELINE=path/to/Orvilla.exe starts an earlier build in the same alternation.
# The machine is shared: the figures are medians, but a busy machine still moves them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

run_native=1 run_wine=1 run_startup=1
case "${1:-}" in
  --native-only) run_native=1 run_wine=0 run_startup=0; shift ;;
  --wine-only) run_native=0 run_wine=1; shift ;;
  --startup-only) run_native=0 run_wine=0; shift ;;
esac

bash scripts/setup.sh

if [ "$run_native" = 1 ]; then
  echo "### native benchmarks (Google Benchmark, Release, fakes for drawing and keyboard services)"
  cmake --preset bench >/dev/null
  cmake --build --preset bench -j2 --target orvilla_bench
  if [ -n "${ORV_BENCH_REPETITIONS:-}" ]; then
    build/bench/orvilla_bench --benchmark_repetitions="$ORV_BENCH_REPETITIONS" \
      --benchmark_report_aggregates_only=true
  else
    build/bench/orvilla_bench
  fi
fi

if [ "$run_wine" = 1 ] || [ "$run_startup" = 1 ]; then
  echo
  echo "### Windows programs under Wine (GDI, system keyboard services, SendInput, start-up)"
  # The harness injects real key events: it gets a Wine prefix (and so a wineserver) of its own,
  # where they cannot reach the windows of tests running in the project's prefix.
  export WINEPREFIX="$root/build/wine-measure"
  source scripts/wine-env.sh
  preset=$(orv_runnable_windows_preset)
  [ "$preset" = windows ] || echo "(64-bit build: $(orv_wine_unusable_reason 32))"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2 --target orvilla_win32_bench Orvilla orvilla_bare_window
  wine_env_use_build "build/$preset"
  trap wine_env_stop EXIT
  wine_env_start || exit 1
  pin=()
  if [ -n "${ORV_BENCH_CPU:-}" ]; then
    pin=(taskset -c "$ORV_BENCH_CPU")
    "$ORV_WINESERVER" -k >/dev/null 2>&1 || true
    "$ORV_WINESERVER" -w
    "${pin[@]}" "$ORV_WINESERVER" -p
    echo "(Wine server and harness on CPU $ORV_BENCH_CPU only)"
  fi
  # Wine's helper processes start with the first program and inherit its output: start them here,
  # with no pipe to hold open, and write the harness's figures to a file.
  "${pin[@]}" "$ORV_WINE" cmd /c exit >/dev/null 2>&1 || true
  if [ "$run_wine" = 1 ]; then
    out=$(mktemp /tmp/orvilla-bench.XXXXXX)
    rc=0
    "${pin[@]}" "$ORV_WINE" "build/$preset/orvilla_win32_bench.exe" "$@" >"$out" 2>&1 || rc=$?
    tr -d '\r' <"$out"
    rm -f "$out"
    [ "$rc" = 0 ] || { echo "the harness ended with exit code $rc"; exit "$rc"; }
  fi
  if [ "$run_startup" = 1 ]; then
    source scripts/bench-startup.sh
    bench_startup "build/$preset" "${ORV_BENCH_STARTS:-7}" "${pin[@]}"
  fi
fi

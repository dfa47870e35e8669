#!/usr/bin/env bash
# Builds Orvilla.exe and starts it under Wine: on $DISPLAY when one is set, otherwise on a virtual
# display, where a screenshot is saved after a few seconds. The 32-bit program runs where this
# machine can execute 32-bit programs; elsewhere the 64-bit build of the same code runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh

had_display=0
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then had_display=1; fi
source scripts/wine-env.sh
preset=$(orv_runnable_windows_preset)
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc 2>/dev/null || echo 2)" --target Orvilla
wine_env_use_build "build/$preset"
if [ "$preset" = windows ]; then
  echo "Running the 32-bit Orvilla.exe (build/windows)."
else
  echo "Running the 64-bit build (build/windows64): $(orv_wine_unusable_reason 32)."
fi
trap wine_env_stop EXIT
wine_env_start

if [ "$had_display" = 1 ]; then
  echo "Starting Orvilla on $DISPLAY (close its window to end)."
  "$ORV_WINE" "build/$preset/Orvilla.exe" "$@"
else
  shot="$root/build/orvilla-screenshot.png"
  "$ORV_WINE" "build/$preset/Orvilla.exe" "$@" &
  sleep "${ORV_SHOT_DELAY:-6}"
  import -window root "$shot"
  echo "No display was set: Orvilla ran on the virtual display $DISPLAY."
  echo "Screenshot saved to $shot"
fi

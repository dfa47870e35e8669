#!/usr/bin/env bash
# Builds Orvilla.exe and starts it under Wine: on $DISPLAY when one is set, otherwise on a virtual
# display, where a screenshot is saved after a few seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc 2>/dev/null || echo 2)" --target Orvilla

had_display=0
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then had_display=1; fi
source scripts/wine-env.sh "$root/build/windows"
trap wine_env_stop EXIT
wine_env_start

if [ "$had_display" = 1 ]; then
  echo "Starting Orvilla on $DISPLAY (close its window to end)."
  wine build/windows/Orvilla.exe "$@"
else
  shot="$root/build/orvilla-screenshot.png"
  wine build/windows/Orvilla.exe "$@" &
  sleep "${ORV_SHOT_DELAY:-6}"
  import -window root "$shot"
  echo "No display was set: Orvilla ran on the virtual display $DISPLAY."
  echo "Screenshot saved to $shot"
fi

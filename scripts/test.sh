#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests (with sanitizers), the Windows
# tests and the end-to-end tests under Wine, and a bounded run of each fuzz target
# (ORV_FUZZ_SECONDS, default 60 a target), then the release (scripts/package.sh) and its check.
# Installs what is missing first.
#
# The shipped program is 32-bit and is always built. Its Windows tests run under every Wine loader
# this machine can execute: the 32-bit build under 32-bit Wine, and a 64-bit build of the same
# code under 64-bit Wine; on a machine that cannot execute 32-bit programs (or with
# ORVILLA_WINE32=0) the 64-bit build alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)
start=$(date +%s)

bash scripts/setup.sh

echo "== include check: no loop between units or folders"
python3 scripts/include_loops.py

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native -j"$jobs"

echo "== fuzzing the readers of outside text (${ORV_FUZZ_SECONDS:-60} s a target)"
bash scripts/fuzz.sh "${ORV_FUZZ_SECONDS:-60}"

source scripts/wine-env.sh
presets=()
why32=$(orv_wine_unusable_reason 32)
why64=$(orv_wine_unusable_reason 64)
[ -z "$why32" ] && presets+=(windows)
[ -z "$why64" ] && presets+=(windows64)
if [ -z "$why32" ] && [ -z "$why64" ]; then
  echo "== Wine: the Windows tests run under 32-bit and 64-bit Wine"
elif [ -z "$why64" ]; then
  echo "== Wine: the Windows tests run under 64-bit Wine only: 32-bit Wine left out ($why32)"
elif [ -z "$why32" ]; then
  echo "== Wine: the Windows tests run under 32-bit Wine only: 64-bit Wine left out ($why64)"
else
  echo "== Wine cannot run here: 32-bit ($why32), 64-bit ($why64)" >&2
  exit 1
fi

echo "== Windows build (32-bit, the program as shipped)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
if [[ " ${presets[*]} " == *" windows64 "* ]]; then
  echo "== Windows build (64-bit)"
  cmake --preset windows64 >/dev/null
  cmake --build --preset windows64 -j"$jobs"
fi

trap wine_env_stop EXIT
for preset in "${presets[@]}"; do
  wine_env_use_build "build/$preset"
  echo "== Windows tests and end-to-end tests under $ORV_WINE_ARCH-bit Wine ($preset)"
  wine_env_start || { echo "test.sh: Wine could not be started for $preset" >&2; exit 1; }
  ctest --preset "$preset"
done

echo "== release: scripts/package.sh, then the check of dist/ and the installer's round trip under Wine"
bash scripts/package.sh
bash tests/release/release_test.sh

echo "== all tests passed in $(( $(date +%s) - start )) s"

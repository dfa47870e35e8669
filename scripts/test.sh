#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests (with sanitizers), the Windows
# tests under Wine and the end-to-end tests. Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)
start=$(date +%s)

bash scripts/setup.sh

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native -j"$jobs"

echo "== Windows build"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"

echo "== Windows tests and end-to-end tests under Wine"
source scripts/wine-env.sh "$root/build/windows"
trap wine_env_stop EXIT
wine_env_start
ctest --preset windows

echo "== all tests passed in $(( $(date +%s) - start )) s"

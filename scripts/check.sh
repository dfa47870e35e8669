#!/usr/bin/env bash
# The quick check for the inner loop: the include check, the native build and the unit tests
# (with sanitizers). No fuzzing, no Wine: a few minutes. scripts/test.sh is the full run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)

echo "== include check"
python3 scripts/include_loops.py

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
build/native/orvilla_tests --gtest_brief=1

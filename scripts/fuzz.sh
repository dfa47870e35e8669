#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for a bounded time on a corpus seeded with the built-in layouts and typical settings:
#   layout_text_fuzz    the layout text parser
#   ini_settings_fuzz   the INI integer rules and the settings reads from an INI file or registry
#   command_line_fuzz   the command line split into arguments, and its switches
#   layout_draw_fuzz    a parsed layout scaled, drawn on the test canvas and hit-tested
#   version_resource_fuzz  the reader of the program's version resource, on any bytes
# Prints the executions of each and fails when a target finds a fault; the input that shows it is
# kept in build/fuzz/findings/<target>/.
#
# Usage: scripts/fuzz.sh [seconds per target]   (default 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}

if ! command -v clang++ >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get install -y -qq clang >/dev/null
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
build=build/fuzz
"$build/orvilla_fuzz_seeds" "$build/corpus"

failed=()
for target in layout_text ini_settings command_line layout_draw version_resource; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  log="$build/${target}_fuzz.log"
  status=0
  "$build/${target}_fuzz" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    echo "${target}_fuzz: ${runs:-?} executions in ${seconds} s, no finding"
  else
    echo "${target}_fuzz: FINDING after ${runs:-?} executions (exit $status), see $log and $findings"
    grep -m5 -E "ERROR|runtime error|SUMMARY|Test unit written" "$log" || true
    failed+=("$target")
  fi
done

[ ${#failed[@]} -eq 0 ] || { echo "fuzzing found faults in: ${failed[*]}"; exit 1; }

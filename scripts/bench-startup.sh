# The start-up measurement of scripts/bench.sh, sourced by it after scripts/wine-env.sh (with the
# display, the prefix and a Wine server running).
#
# bench_startup BUILD_DIR N [pin command...]
#   Starts Orvilla.exe and orvilla_bare_window.exe of BUILD_DIR alternately, N times each after one
#   warm-up start of each, and prints:
#   - the median (and range) of the time from exec to the program's window mapped, found by
#     polling xdotool (so a figure is late by up to one poll, about 5-10 ms, for both alike), and
#     the ratio of the medians against the target of 1.15;
#   - the memory the Wine process holds once its window is shown (resident and proportional set
#     sizes from /proc), medians, and the difference against the target of 2 MiB;
#   - the median of each step of Orvilla's start-up, timed inside orvilla_win32_bench.exe startup,
#     and the first opening of the settings dialog (from the Apps key's timer to the dialog painted)
#     against the target of 100 ms, and a bare window of the dialog's kind shown in its place
#     (orvilla_win32_bench.exe startup-floor): the part of an opening that is Wine's own.
#   ORV_BENCH_BASELINE=path/to/an/earlier/Orvilla.exe is started in the same alternation too, and
#   its figures are printed beside the others: new figures beside old ones under the same load.
#   The programs run from a folder of their own, with an Orvilla.ini whose first-run counter is set
#   (so no help page opens), and each process is ended with a signal once measured.

_bench_now_ns() { date +%s%N; }

# Prints the median of the numbers on standard input.
_bench_median() { sort -n | awk '{v[NR]=$1} END {if (NR == 0) print "nan"; else if (NR % 2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
# Prints "lowest-highest" of the numbers on standard input.
_bench_range() { sort -n | awk 'NR==1{lo=$1} {hi=$1} END {print lo "-" hi}'; }

# One start: exe, window name pattern, result file; appends "ms rss_kib pss_kib" to the file.
_bench_start_once() {
  local exe="$1" pattern="$2" out="$3" t0 t1 pid waited=0
  shift 3
  t0=$(_bench_now_ns)
  "$@" "$ORV_WINE" "$exe" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do
    sleep 0.005
    waited=$((waited + 1))
    if [ "$waited" -gt 3000 ] || ! kill -0 "$pid" 2>/dev/null; then
      echo "bench-startup: $(basename "$exe") showed no window" >&2
      kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
      return 1
    fi
  done
  t1=$(_bench_now_ns)
  # Let the first picture and whatever the program does right after it settle before reading
  # the memory.
  sleep 1
  local rss pss
  rss=$(awk '/^Rss:/ {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null)
  pss=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null)
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  # Wait until the window has gone, so that the next start is not found by this one's window.
  while xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do sleep 0.05; done
  echo "$(( (t1 - t0) / 1000 )) ${rss:-0} ${pss:-0}" >>"$out"
}

bench_startup() {
  local build="$1" n="$2"
  shift 2
  local pin=("$@")
  local dir="$root/build/startup-bench"
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$build/Orvilla.exe" "$build/orvilla_bare_window.exe" "$dir/"
  printf '[Main]\r\nSite=1\r\n' >"$dir/Orvilla.ini"
  local orv="$dir/Orvilla.exe" bare="$dir/orvilla_bare_window.exe"
  local orvPattern='^Orvilla - ' barePattern='^Orvilla bare window$'
  local orvOut="$dir/orvilla.txt" bareOut="$dir/bare.txt" warm="$dir/warm-up.txt"
  local base="" baseOut="$dir/baseline.txt"
  if [ -n "${ORV_BENCH_BASELINE:-}" ]; then
    mkdir -p "$dir/baseline"
    cp "$ORV_BENCH_BASELINE" "$dir/baseline/Orvilla.exe"
    cp "$dir/Orvilla.ini" "$dir/baseline/"
    base="$dir/baseline/Orvilla.exe"
  fi

  echo
  echo "== start-up: exec to window mapped, $n starts each, alternately, after one warm-up each"
  _bench_start_once "$bare" "$barePattern" "$warm" "${pin[@]}" || return 1
  _bench_start_once "$orv" "$orvPattern" "$warm" "${pin[@]}" || return 1
  [ -z "$base" ] || _bench_start_once "$base" "$orvPattern" "$warm" "${pin[@]}" || return 1
  local i
  for i in $(seq 1 "$n"); do
    _bench_start_once "$bare" "$barePattern" "$bareOut" "${pin[@]}" || return 1
    _bench_start_once "$orv" "$orvPattern" "$orvOut" "${pin[@]}" || return 1
    [ -z "$base" ] || _bench_start_once "$base" "$orvPattern" "$baseOut" "${pin[@]}" || return 1
  done

  local bareMs orvMs
  bareMs=$(awk '{print $1 / 1000}' "$bareOut" | _bench_median)
  orvMs=$(awk '{print $1 / 1000}' "$orvOut" | _bench_median)
  printf '%-34s %9s ms  (range %s ms)\n' "bare window, median" "$bareMs" "$(awk '{printf "%d\n", $1 / 1000}' "$bareOut" | _bench_range)"
  printf '%-34s %9s ms  (range %s ms)\n' "Orvilla.exe, median" "$orvMs" "$(awk '{printf "%d\n", $1 / 1000}' "$orvOut" | _bench_range)"
  awk -v o="$orvMs" -v b="$bareMs" 'BEGIN {
    r = o / b
    printf "%-34s %9.2f     target <= 1.15: %s\n", "Orvilla / bare window", r, (r <= 1.15 ? "met" : "MISSED") }'
  if [ -n "$base" ]; then
    local baseMs
    baseMs=$(awk '{print $1 / 1000}' "$baseOut" | _bench_median)
    printf '%-34s %9s ms  (range %s ms)\n' "baseline Orvilla.exe, median" "$baseMs" "$(awk '{printf "%d\n", $1 / 1000}' "$baseOut" | _bench_range)"
    awk -v o="$baseMs" -v b="$bareMs" 'BEGIN { printf "%-34s %9.2f\n", "baseline / bare window", o / b }'
  fi

  echo
  echo "== memory once the window is shown (Linux view of the Wine process), medians"
  local bareRss barePss orvRss orvPss
  bareRss=$(awk '{print $2}' "$bareOut" | _bench_median)
  barePss=$(awk '{print $3}' "$bareOut" | _bench_median)
  orvRss=$(awk '{print $2}' "$orvOut" | _bench_median)
  orvPss=$(awk '{print $3}' "$orvOut" | _bench_median)
  awk -v br="$bareRss" -v bp="$barePss" -v orr="$orvRss" -v orp="$orvPss" 'BEGIN {
    printf "%-34s %9.1f MiB resident, %6.1f MiB proportional\n", "bare window", br / 1024, bp / 1024
    printf "%-34s %9.1f MiB resident, %6.1f MiB proportional\n", "Orvilla.exe", orr / 1024, orp / 1024
    d = (orr - br) / 1024
    printf "%-34s %9.1f MiB resident          target <= 2.0 MiB: %s\n", "Orvilla - bare window", d,
           (d <= 2.0 ? "met" : "MISSED") }'
  if [ -n "$base" ]; then
    awk -v br="$bareRss" -v r="$(awk '{print $2}' "$baseOut" | _bench_median)" -v p="$(awk '{print $3}' "$baseOut" | _bench_median)" 'BEGIN {
      printf "%-34s %9.1f MiB resident, %6.1f MiB proportional\n", "baseline Orvilla.exe", r / 1024, p / 1024
      printf "%-34s %9.1f MiB resident\n", "baseline - bare window", (r - br) / 1024 }'
  fi

  echo
  echo "== where Orvilla's start-up goes (orvilla_win32_bench.exe startup, medians of 3 processes)"
  local steps="$dir/steps.txt"
  : >"$steps"
  for i in 1 2 3; do
    "${pin[@]}" "$ORV_WINE" "$build/orvilla_win32_bench.exe" startup 2>/dev/null | tr -d '\r' |
      sed -n 's/^startup //p' >>"$steps"
  done
  # Each line: the step's name, its milliseconds, "ms". Steps keep their order of first appearance.
  awk '{ ms = $(NF - 1); name = $0; sub(/ +[0-9.]+ ms$/, "", name)
         if (!(name in seen)) { seen[name] = 1; order[++n] = name }
         vals[name] = vals[name] " " ms }
       END { for (i = 1; i <= n; ++i) print order[i] "\t" vals[order[i]] }' "$steps" |
    while IFS=$'\t' read -r name vals; do
      printf '%-40s %9s ms\n' "$name" "$(echo "$vals" | tr ' ' '\n' | grep . | _bench_median)"
    done
  # The same span in the bare window: what any program with one window pays under Wine.
  local bareSteps="$dir/bare-steps.txt"
  : >"$bareSteps"
  for i in 1 2 3; do
    "${pin[@]}" "$ORV_WINE" "$bare" --steps 2>/dev/null | tr -d '\r' | sed -n 's/^bare //p' >>"$bareSteps"
  done
  local name
  for name in "process creation to entry" "entry to shown and painted"; do
    printf '%-40s %9s ms\n' "bare window: $name" "$(awk -v n="$name" 'index($0, n) == 1 {print $(NF - 1)}' "$bareSteps" | _bench_median)"
  done
  # Wine's own part of an opening: a bare window of the dialog's kind shown in its place.
  local floor="$dir/floor.txt"
  : >"$floor"
  for i in 1 2 3; do
    "${pin[@]}" "$ORV_WINE" "$build/orvilla_win32_bench.exe" startup-floor 2>/dev/null | tr -d '\r' |
      sed -n "s/^startup \(.*kind.*\|another one.*\)/\1/p" >>"$floor"
  done
  for name in "bare window of the dialog's kind, first shown" "another one shown"; do
    printf '%-40s %9s ms\n' "$name" "$(awk -v n="$name" 'index($0, n) == 1 {print $(NF - 1)}' "$floor" | _bench_median)"
  done
  local opening
  opening=$(awk '/^settings dialog, first opening / {print $(NF - 1)}' "$steps" | _bench_median)
  awk -v ms="$opening" 'BEGIN {
    printf "%-40s %9s ms  target < 100 ms: %s\n", "settings dialog, first opening (median)", ms,
           (ms != "nan" && ms < 100 ? "met" : "MISSED") }'
}

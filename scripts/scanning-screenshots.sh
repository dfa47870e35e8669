#!/usr/bin/env bash
# Takes the pictures of switch scanning in docs/screenshots: the real program under Wine with
# scanning on, a highlighted row (scanning-row-scheme<M>.png) and, after a press of the switch
# key, the highlighted key (scanning-key-scheme<M>.png), in "Windows Light" (light keys) and
# "Black" (dark keys).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source scripts/screenshot-prelude.sh
screenshot_prepare scanning-screenshot-run Orvilla orvilla_target
cp "build/$preset/Orvilla.exe" "$scratch/"
target_exe="$root/build/$preset/orvilla_target.exe"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wine_env_stop
  rm -rf "$scratch"
}
trap cleanup EXIT
wine_env_start || exit 1

wait_window() {
  for _ in $(seq 1 150); do
    ids=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
    if [ -n "$ids" ]; then echo "$ids" | head -1; return 0; fi
    sleep 0.2
  done
  echo "scanning-screenshots: no window \"$1\"" >&2
  return 1
}

# The target holds the focus; the switch key goes to the window under the pointer (no window
# manager), so the pointer rests on the target.
"$ORV_WINE" "$target_exe" "$(orv_winepath "$scratch/target.log")" >/dev/null 2>&1 &
pids+=($!)
target=$(wait_window '^Orvilla target$')
eval "$(xdotool getwindowgeometry --shell "$target" | sed -n 's/^X=/TX=/p; s/^Y=/TY=/p')"
xdotool mousemove "$((TX + 40))" "$((TY + 40))"

for scheme in 6 4; do
  printf '[Main]\r\nSite=1\r\nColors=%d\r\nScanning=1\r\nScanTime=3000\r\n' "$scheme" >"$scratch/Orvilla.ini"
  "$ORV_WINE" "$scratch/Orvilla.exe" >/dev/null 2>&1 &
  kb=$!
  pids+=("$kb")
  win=$(wait_window '^Orvilla - ')
  sleep 1.5  # the first row is highlighted for the whole first step
  import -window "$win" "$scratch/row.png"
  xdotool key space
  sleep 0.5
  import -window "$win" "$scratch/key.png"
  convert "$scratch/row.png" -strip "$shots/scanning-row-scheme$scheme.png"
  convert "$scratch/key.png" -strip "$shots/scanning-key-scheme$scheme.png"
  "$ORV_WINE" "$target_exe" /close >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do kill -0 "$kb" 2>/dev/null || break; sleep 0.2; done
done
echo "scanning-screenshots: written to $shots"

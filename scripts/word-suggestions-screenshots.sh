#!/usr/bin/env bash
# Takes the pictures of word suggestions in docs/screenshots: the real program under Wine with
# suggestions on, after the keys t and h were clicked, the row of words at the top of the keyboard
# window, in "Standard" (word-suggestions-scheme1.png) and "Windows Dark"
# (word-suggestions-dark.png). The end-to-end tests' steps start the target, Orvilla and the clicks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source scripts/screenshot-prelude.sh
screenshot_prepare word-suggestions-screenshot-run Orvilla orvilla_target
cp "build/$preset/Orvilla.exe" "$scratch/"
set +u
E2E_BUILD_DIR="build/$preset" E2E_SEED_INI=0 source tests/e2e/e2e_lib.sh "$scratch/Orvilla.exe" "build/$preset/orvilla_target.exe"
trap 'e2e_cleanup; rm -rf "$scratch"' EXIT

e2e_start_target
for shot in scheme1:1 dark:5; do
  printf '[Main]\r\nSite=1\r\nColors=%d\r\nWordSuggestions=1\r\n' "${shot#*:}" >"$scratch/Orvilla.ini"
  e2e_start_orvilla
  win=$(e2e_wait_window '^Orvilla - ') || e2e_fail "the keyboard window did not appear"
  sleep 1.5
  e2e_client_rect
  e2e_click_key 84  # t
  e2e_click_key 72  # h
  xdotool mousemove 0 0
  sleep 0.8
  import -window "$win" "$scratch/shot.png"
  convert "$scratch/shot.png" -strip "$shots/word-suggestions-${shot%%:*}.png"
  e2e_close_keyboards
  for _ in $(seq 1 50); do kill -0 "$ORVILLA_PID" 2>/dev/null || break; sleep 0.2; done
done
echo "word-suggestions-screenshots: written to $shots"

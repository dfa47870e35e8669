#!/usr/bin/env bash
# Switch scanning end to end: with "Scanning" on in Orvilla.ini, pressing the switch key (Space)
# whenever the highlight reaches H's row, then H, then I's row, then I, types "hi" into the focused
# target, which keeps the focus and never receives the switch key. With scanning off, Space
# reaches the target as usual.
source "$(dirname "$0")/e2e_lib.sh"

INI="$(dirname "$ORVILLA_EXE")/Orvilla.ini"
# Scheme 6 (Windows Light): white keys, so the highlight is the deep crimson.
printf 'Colors=6\r\nScanning=1\r\nScanTime=3000\r\n' >> "$INI"
LIT='#A01030'

H=72 I=73

# Where to look at a key: its face between its legend and its corner (after e2e_client_rect).
declare -A SPOT
find_spots() {
  local code
  for code in "$@"; do
    e2e_key_center "$code"
    SPOT[$code]="1x1+$(( KEY_L + (KEY_X - KEY_L) / 4 ))+$(( KEY_B - (KEY_B - KEY_Y) / 4 ))"
  done
}

# Whether a key is highlighted. The scan time is the longest there is, so that a slow look at the
# screen on a busy machine still comes well within one step.
lit() {
  import -window root -crop "${SPOT[$1]}" -depth 8 txt:- 2>/dev/null | tail -1 | grep -qi "$LIT"
}

# Waits for the highlight to come onto a key (its row or the key alone) and presses the switch.
press_when_lit() {
  for _ in $(seq 1 200); do
    if lit "$1"; then
      xdotool key space
      sleep 0.4  # past the switch's bounce time, and off the key just chosen
      return 0
    fi
    sleep 0.05
  done
  e2e_fail "the highlight never came to key $1"
}

start_keyboard() {
  e2e_start_orvilla
  e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
  sleep 1.5
  e2e_client_rect
  find_spots $H $I
}

xdotool mousemove 0 0
e2e_start_target
start_keyboard
# Without a window manager the keys go to the window under the pointer: the target's.
e2e_geometry "$TARGET_WIN"
xdotool mousemove "$((WIN_X + WIN_W / 2))" "$((WIN_Y + WIN_H / 2))"

for key in $H $I; do
  press_when_lit $key  # its row
  # The row's first key is highlighted for one and a half intervals first; H and I are not first.
  lit $key && e2e_fail "key $key was still highlighted after its row was chosen"
  press_when_lit $key  # the key
done
sleep 0.5
typed=$(e2e_typed_text)
[ "$typed" = "hi" ] || e2e_fail "choosing h and i with the switch typed \"$typed\", expected \"hi\""
e2e_key_log | grep -q 'vk=0x20 ' && e2e_fail "the target received the switch key"
e2e_expect_target_focus
echo "ok: the switch key chose h and i; the target got \"hi\", kept the focus, never saw the switch key"

e2e_close_keyboards || e2e_fail "the keyboard did not close"
sed -i 's/^Scanning=1/Scanning=0/' "$INI"
sleep 1
start_keyboard
xdotool mousemove "$((WIN_X + WIN_W / 2))" "$((WIN_Y + WIN_H / 2))"
xdotool key space
sleep 0.5
typed=$(e2e_typed_text)
[ "$typed" = "hi " ] || e2e_fail "with scanning off Space typed \"${typed#hi}\", expected a space"
echo "ok: with scanning off the switch key reaches the target"

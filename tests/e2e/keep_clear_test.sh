#!/usr/bin/env bash
# Keeping clear of the text cursor end to end: switched on by its system-menu command (stored as
# "KeepClear=1"), and with the keyboard over the lower
# part of the target's text area, clicks on Enter add lines until the caret comes under the
# keyboard; the keyboard then moves to the top of the work area, keeping its size and horizontal
# place, and typing goes on into the target, which keeps the focus.
source "$(dirname "$0")/e2e_lib.sh"

printf '[Main]\r\nSite=1\r\n' > "$(dirname "$ORVILLA_EXE")/Orvilla.ini"
ENTER=13
key() { printf '%d' "'$1"; }

e2e_start_target
e2e_start_orvilla
KB_WIN=$(e2e_wait_window '^Orvilla - ') || e2e_fail "the keyboard window did not appear"
sleep 1.5
e2e_syscommand 1038  # "Keep clear of the text cursor"
sleep 0.3
[ "$(e2e_ini_value KeepClear)" = 1 ] || e2e_fail "the command did not store KeepClear=1"
read -r SCREEN_W SCREEN_H < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
e2e_geometry "$KB_WIN"
start_x=$WIN_X start_y=$WIN_Y start_w=$WIN_W start_h=$WIN_H
[ "$start_y" -gt $(( SCREEN_H / 3 )) ] || e2e_fail "the keyboard starts at y=$start_y, not in the lower part of the screen"
# The target's text area runs from the top of the screen to its bottom, its left edge (where the
# caret goes down with every new line) under the keyboard.
xdotool windowsize "$TARGET_WIN" $(( SCREEN_W - start_x - 40 )) "$SCREEN_H" windowmove "$TARGET_WIN" $(( start_x + 40 )) 0
sleep 0.5

e2e_client_rect
e2e_key_center $ENTER
moved=0
for _ in $(seq 1 80); do
  xdotool mousemove "$KEY_X" "$KEY_Y" click 1
  sleep 0.25
  e2e_geometry "$KB_WIN"
  if [ "$WIN_Y" != "$start_y" ]; then moved=1; break; fi
done
[ "$moved" = 1 ] || e2e_fail "the keyboard did not move out of the caret's way"
[ "$WIN_Y" -lt "$start_y" ] && [ "$WIN_Y" -le $(( SCREEN_H / 2 )) ] || e2e_fail "the keyboard moved to y=$WIN_Y"
[ "$WIN_X" = "$start_x" ] && [ "$WIN_W" = "$start_w" ] && [ "$WIN_H" = "$start_h" ] ||
  e2e_fail "the keyboard changed its size or horizontal place: $WIN_X,$WIN_W x $WIN_H"
e2e_expect_target_focus
echo "ok: the keyboard stepped to the top when the caret came under it"

e2e_client_rect
before=$(e2e_typed_text | tr -d '\r\n')
e2e_click_key "$(key O)"
e2e_click_key "$(key K)"
sleep 0.3
after=$(e2e_typed_text | tr -d '\r\n')
[ "$after" = "${before}ok" ] || e2e_fail "typing after the move gave \"$after\""
e2e_expect_target_focus
echo "ok: typing goes on into the target with the focus kept"
echo "1 passed, 0 failed"

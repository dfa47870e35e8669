#!/usr/bin/env bash
# Hover typing end to end: with "HoverPress" on in Orvilla.ini, resting the pointer on H and then
# on I, with no click at all, types "hi" into the focused target, which keeps the focus. Switched
# off from the system menu the same moves type nothing, and it stays off after a restart.
source "$(dirname "$0")/e2e_lib.sh"

INI="$(dirname "$ORVILLA_EXE")/Orvilla.ini"
printf 'HoverPress=1\r\nHoverTime=500\r\n' >> "$INI"

H=72 I=73

# Moves the pointer off the keyboard, then rests it on H and on I for twice the hover time each,
# then takes it off the keyboard again.
hover_h_then_i() {
  xdotool mousemove "$((CLIENT_X + CLIENT_W / 2))" "$((CLIENT_Y - 60))"
  sleep 0.3
  e2e_key_center $H
  xdotool mousemove "$KEY_X" "$KEY_Y"
  sleep 1.0
  e2e_key_center $I
  xdotool mousemove "$KEY_X" "$KEY_Y"
  sleep 1.0
  xdotool mousemove "$((CLIENT_X + CLIENT_W / 2))" "$((CLIENT_Y - 60))"
  sleep 0.3
}

start_keyboard() {
  e2e_start_orvilla
  e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
  sleep 1.5
  e2e_client_rect
}

xdotool mousemove 0 0
e2e_start_target
start_keyboard

hover_h_then_i
typed=$(e2e_typed_text)
[ "$typed" = "hi" ] || e2e_fail "hovering over h and i typed \"$typed\", expected \"hi\""
e2e_expect_target_focus
# Once per visit: resting on after the key fired typed nothing more (checked above: exactly "hi").
echo "ok: resting on h, then i, with no click typed \"$typed\"; the target kept the focus"

e2e_syscommand 1036
[ "$(e2e_ini_value HoverPress)" = 0 ] || e2e_fail "switching hover typing off stored \"$(e2e_ini_value HoverPress)\""
hover_h_then_i
typed=$(e2e_typed_text)
[ "$typed" = "hi" ] || e2e_fail "with hover typing off the same moves typed \"${typed#hi}\""
echo "ok: with hover typing off the same moves typed nothing"

e2e_close_keyboards || e2e_fail "the keyboard did not close"
sleep 1
start_keyboard
hover_h_then_i
typed=$(e2e_typed_text)
[ "$typed" = "hi" ] || e2e_fail "after a restart with hover typing off the moves typed \"${typed#hi}\""
[ "$(e2e_ini_value HoverTime)" = 500 ] || e2e_fail "the hover time was not kept: \"$(e2e_ini_value HoverTime)\""
e2e_expect_target_focus
echo "ok: hover typing stayed off after a restart"

#!/usr/bin/env bash
# No key stays down when the Windows session ends: with Shift latched on the keyboard, the end of
# the session lets the target see Shift go up. A move of the keyboard made a moment before the end
# (its lazy save still pending) is stored all the same.
source "$(dirname "$0")/e2e_lib.sh"

e2e_start_target
e2e_start_orvilla
ORVILLA_WIN=$(e2e_wait_window '^Orvilla - ') || e2e_fail "the keyboard window did not appear"
sleep 4
# The placement of the start is stored by now; the keyboard goes 100 pixels up.
start_top=$(e2e_ini_value TMainFormTop)
[ -n "$start_top" ] || e2e_fail "no placement stored after the start"
moved_top=$((start_top - 100))
e2e_geometry "$ORVILLA_WIN"
xdotool windowmove "$ORVILLA_WIN" "$WIN_X" $((WIN_Y - 100))
sleep 0.5
[ "$(e2e_ini_value TMainFormTop)" = "$start_top" ] || e2e_fail "the move was stored before the end of the session"
e2e_client_rect

e2e_click_key 160
last=$(e2e_key_log | tail -1)
[ "${last%% scan*}" = "DOWN vk=0x10" ] || e2e_fail "Shift did not go down: $last"
"$ORV_WINE" "$TARGET_EXE" /endsession >/dev/null 2>&1 || e2e_fail "the keyboard refused the end of the session"
sleep 0.5
last=$(e2e_key_log | tail -1)
[ "${last%% scan*}" = "UP vk=0x10" ] || e2e_fail "at the end of the session the last key message is: $last"
e2e_expect_target_focus
echo "ok: the end of the session released the latched Shift"
stored=$(e2e_ini_value TMainFormTop)
[ "$stored" = "$moved_top" ] || e2e_fail "TMainFormTop=$stored stored at the end of the session, the window was at $moved_top"
echo "ok: the move made just before the end of the session was stored"

e2e_close_keyboards
echo "2 passed, 0 failed"

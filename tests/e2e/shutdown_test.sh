#!/usr/bin/env bash
# No key stays down when the Windows session ends: with Shift latched on the keyboard, the end of
# the session lets the target see Shift go up.
source "$(dirname "$0")/e2e_lib.sh"

e2e_start_target
e2e_start_orvilla
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
sleep 1.5
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
e2e_close_keyboards
echo "1 passed, 0 failed"

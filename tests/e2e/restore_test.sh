#!/usr/bin/env bash
# Minimising and restoring from the taskbar: the keyboard disappears and comes back, and after the
# restore the foreground returns to the program the user was typing in, so typing goes on there.
source "$(dirname "$0")/e2e_lib.sh"

e2e_start_target
e2e_start_orvilla
KB=$(e2e_wait_window '^Orvilla - ') || e2e_fail "the keyboard window did not appear"
sleep 1.5

"$ORV_WINE" "$TARGET_EXE" /minimize >/dev/null 2>&1 || e2e_fail "no keyboard to minimise"
sleep 1
xdotool search --onlyvisible --name '^Orvilla - ' >/dev/null && e2e_fail "the keyboard is still shown after minimising"
"$ORV_WINE" "$TARGET_EXE" /restore >/dev/null 2>&1 || e2e_fail "no keyboard to restore"
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard did not come back"
sleep 1
e2e_expect_target_focus
echo "ok: after a restore the target has the focus again"

e2e_client_rect
e2e_click_key 65
sleep 0.3
[ "$(e2e_typed_text)" = "a" ] || e2e_fail "after the restore a click on A typed \"$(e2e_typed_text)\""
echo "ok: typing goes on into the target"
e2e_close_keyboards
echo "1 passed, 0 failed"

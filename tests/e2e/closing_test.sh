#!/usr/bin/env bash
# Ways out of the program:
# - closing the keyboard ends the process even when the settings file can no longer be written
#   (nothing changed, so nothing is saved and no error box waits for an answer);
# - a WM_QUIT posted to the keyboard's thread ends the program with no key left down: a latched
#   Shift comes up in the target.
source "$(dirname "$0")/e2e_lib.sh"

INI="$(dirname "$ORVILLA_EXE")/Orvilla.ini"

# Waits up to 5 s for a process to end; fails with the reason otherwise.
wait_gone() {
  for _ in $(seq 1 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  e2e_fail "$2"
}

e2e_start_target
e2e_start_orvilla
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
sleep 4
rm -f "$INI"
mkdir "$INI"
"$ORV_WINE" "$TARGET_EXE" /close >/dev/null 2>&1 || e2e_fail "the keyboard window did not close"
wait_gone "$ORVILLA_PID" "the program lives on after its window closed with Orvilla.ini unwritable"
rmdir "$INI"
printf '[Main]\r\nSite=1\r\n' > "$INI"
echo "ok: the program ended after its window closed with Orvilla.ini unwritable"

e2e_start_orvilla
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
sleep 1.5
e2e_client_rect
e2e_click_key 160
last=$(e2e_key_log | tail -1)
[ "${last%% scan*}" = "DOWN vk=0x10" ] || e2e_fail "Shift did not go down: $last"
"$ORV_WINE" "$TARGET_EXE" /quit >/dev/null 2>&1 || e2e_fail "no keyboard thread to post WM_QUIT to"
wait_gone "$ORVILLA_PID" "the program did not end on WM_QUIT"
sleep 0.3
last=$(e2e_key_log | tail -1)
[ "${last%% scan*}" = "UP vk=0x10" ] || e2e_fail "after WM_QUIT the last key message is: $last"
e2e_expect_target_focus
echo "ok: WM_QUIT released the latched Shift"
echo "2 passed, 0 failed"

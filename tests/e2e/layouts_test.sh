#!/usr/bin/env bash
# The keypad layouts end to end: with "Keyboard=8" ("Numeric pad") a click on keypad 7 types "7"
# into the focused target as VK_NUMPAD7, and the keypad Enter goes out as VK_RETURN with the
# extended flag; in "Full" (7) the main Enter goes out without it and the keypad Enter with it.
# Wine makes characters of the keypad's keys only while Num Lock is on (Windows also without), so
# the test switches Num Lock on with its key first (the test display starts with it off).
source "$(dirname "$0")/e2e_lib.sh"

INI="$(dirname "$ORVILLA_EXE")/Orvilla.ini"
NUMPAD7=103 ENTER=13 NUMLOCK=144

start_with_layout() {
  printf '[Main]\r\nSite=1\r\nKeyboard=%s\r\n' "$1" > "$INI"
  e2e_start_orvilla
  e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
  sleep 1.5
  e2e_client_rect
  E2E_LAYOUT=$1
}

e2e_start_target
start_with_layout 8
e2e_click_key $NUMLOCK
sleep 0.3
e2e_click_key $NUMPAD7
sleep 0.3
typed=$(e2e_typed_text)
[ "$typed" = "7" ] || e2e_fail "keypad 7 typed \"$typed\", expected \"7\""
down=$(e2e_key_log | grep '^DOWN' | tail -1)
[ "${down%% scan*}" = "DOWN vk=0x67" ] || e2e_fail "keypad 7 sent: $down"
E2E_SECOND_PART=1 e2e_click_key $ENTER
sleep 0.3
down=$(e2e_key_log | grep '^DOWN' | tail -1)
[ "${down%% scan*}" = "DOWN vk=0x0D" ] && [ "${down##* }" = "ext=1" ] ||
  e2e_fail "the keypad Enter of \"Numeric pad\" sent: $down"
e2e_expect_target_focus
echo "ok: \"Numeric pad\" types keypad 7 and the extended keypad Enter"
e2e_close_keyboards || e2e_fail "the keyboard did not close"

start_with_layout 7
for part in 0 1; do
  E2E_SECOND_PART=$part e2e_click_key $ENTER
  sleep 0.3
  down=$(e2e_key_log | grep '^DOWN' | tail -1)
  [ "${down%% scan*}" = "DOWN vk=0x0D" ] && [ "${down##* }" = "ext=$part" ] ||
    e2e_fail "part $part of Enter in \"Full\" sent: $down"
done
e2e_expect_target_focus
echo "ok: \"Full\" sends the main Enter plain and the keypad Enter extended"
echo "1 passed, 0 failed"

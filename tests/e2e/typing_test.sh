#!/usr/bin/env bash
# Typing end to end: clicks on Orvilla's keys type "Hello, World!" into the focused target (Shift
# latched for H and W, the right button for "!"), a held Backspace repeats, the target keeps the
# focus throughout, and closing Orvilla while Shift is latched lets the target see Shift go up.
source "$(dirname "$0")/e2e_lib.sh"

e2e_start_target
e2e_start_orvilla
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
sleep 1.5
e2e_client_rect

SHIFT=160 BACK=8 SPACE=32 COMMA=188 ONE=49
key() { printf '%d' "'$1"; }  # the virtual-key code of a capital letter is its character code

e2e_click_key $SHIFT
e2e_click_key "$(key H)"
for c in E L L O; do e2e_click_key "$(key $c)"; done
e2e_click_key $COMMA
e2e_click_key $SPACE
e2e_click_key $SHIFT
e2e_click_key "$(key W)"
for c in O R L D; do e2e_click_key "$(key $c)"; done
e2e_click_key $ONE 3   # the right button adds Shift: "!"
sleep 0.5

typed=$(e2e_typed_text)
[ "$typed" = "Hello, World!" ] || e2e_fail "typed \"$typed\", expected \"Hello, World!\""
e2e_expect_target_focus
echo "ok: clicks typed \"$typed\" into the focused target"

# Shift then H: Shift down, H down, H up, Shift up, in that order.
first=$(e2e_key_log | head -4 | awk '{print $1, $2}' | tr '\n' ' ')
[ "$first" = "DOWN vk=0x10 DOWN vk=0x48 UP vk=0x48 UP vk=0x10 " ] ||
  e2e_fail "Shift then H gave: $first"
echo "ok: a latched Shift goes up after the next key"

# Holding Backspace: one press, then repeats after 600 ms every 20 ms while held.
e2e_key_center $BACK
before=$(grep -c "^DOWN vk=0x08" "$TARGET_LOG" || true)
xdotool mousemove "$KEY_X" "$KEY_Y" mousedown 1
sleep 1.2
xdotool mouseup 1
sleep 0.5
downs=$(( $(grep -c "^DOWN vk=0x08" "$TARGET_LOG") - before ))
ups=$(grep -c "^UP vk=0x08" "$TARGET_LOG" || true)
[ "$downs" -ge 5 ] || e2e_fail "a held Backspace sent $downs key-downs, expected it to repeat"
[ "$ups" = 1 ] || e2e_fail "a held Backspace sent $ups key-ups, expected 1"
erased=$(grep -c "^CHAR 0x0008" "$TARGET_LOG" || true)
[ "$erased" = "$downs" ] || e2e_fail "$downs Backspace key-downs gave $erased backspace characters"
e2e_expect_target_focus
echo "ok: a held Backspace repeated ($downs key-downs, one key-up)"

# Shift latched, then the keyboard closes: the target sees Shift go up.
e2e_click_key $SHIFT
last=$(e2e_key_log | tail -1)
[ "${last%% scan*}" = "DOWN vk=0x10" ] || e2e_fail "Shift did not go down: $last"
e2e_close_keyboards || e2e_fail "the keyboard did not close"
sleep 0.5
last=$(e2e_key_log | tail -1)
[ "${last%% scan*}" = "UP vk=0x10" ] || e2e_fail "after closing with Shift latched the last key message is: $last"
e2e_expect_target_focus
echo "ok: closing with Shift latched released Shift"
echo "1 passed, 0 failed"

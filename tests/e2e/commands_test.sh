#!/usr/bin/env bash
# The commands and the transparency slider, with the target program holding the focus throughout:
# - dragging the slider (in the cell below right Shift) to its left end makes the keyboard
#   translucent at once, and "AlphaBlend" is stored a few seconds later;
# - "Change keyboard type" (1029) with Shift latched leaves no key down in the target, loads
#   "Standard + Arrows" (a wider window) and stores it;
# - "Change colors" (1028) with no scheme stored yet stores scheme 2 and changes the picture.
source "$(dirname "$0")/e2e_lib.sh"

e2e_start_target
e2e_start_orvilla
ORVILLA_WIN=$(e2e_wait_window '^Orvilla - ') || e2e_fail "the keyboard window did not appear"
sleep 1.5
e2e_client_rect

# The slider spans right Shift's width in the space bar's row.
e2e_key_center 161
left=$KEY_L right=$KEY_R
e2e_key_center 32
y=$KEY_Y
[ "$(e2e_opacity)" = 255 ] || e2e_fail "the keyboard does not start opaque"
xdotool mousemove $((right - 3)) "$y" mousedown 1
sleep 0.2
for x in $(seq $((right - 10)) -10 $((left - 20))); do xdotool mousemove "$x" "$y"; done
xdotool mouseup 1
sleep 0.3
opacity=$(e2e_opacity)
[ "$opacity" -le 60 ] || e2e_fail "after dragging the slider to its left end the opacity is $opacity"
e2e_expect_target_focus
[ -z "$(e2e_key_log)" ] || e2e_fail "dragging the slider sent keys: $(e2e_key_log)"
echo "ok: dragging the slider set the opacity to $opacity without a key or a focus change"

e2e_click_key 160
last=$(e2e_key_log | tail -1)
[ "${last%% scan*}" = "DOWN vk=0x10" ] || e2e_fail "Shift did not go down: $last"
e2e_geometry "$ORVILLA_WIN"
width_before=$WIN_W
e2e_syscommand 1029
sleep 0.5
last=$(e2e_key_log | tail -1)
[ "${last%% scan*}" = "UP vk=0x10" ] || e2e_fail "after the layout change the last key message is: $last"
e2e_geometry "$ORVILLA_WIN"
[ "$WIN_W" -gt "$width_before" ] || e2e_fail "the window did not widen for Standard + Arrows ($width_before -> $WIN_W)"
[ "$(e2e_ini_value Keyboard)" = 2 ] || e2e_fail "Keyboard=$(e2e_ini_value Keyboard) stored, expected 2"
e2e_expect_target_focus
echo "ok: Change keyboard type released the latched Shift and loaded Standard + Arrows"

before="$E2E_DIR/before.png" after="$E2E_DIR/after.png"
e2e_geometry "$ORVILLA_WIN"
import -window root -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" "$before"
e2e_syscommand 1028
sleep 0.5
import -window root -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" "$after"
[ "$(e2e_ini_value Colors)" = 2 ] || e2e_fail "Colors=$(e2e_ini_value Colors) stored, expected 2"
changed=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
[ "${changed%% *}" -gt 1000 ] || e2e_fail "Change colors left the keyboard looking the same ($changed pixels differ)"
e2e_expect_target_focus
echo "ok: Change colors stored scheme 2 and repainted the keyboard"

sleep 3.5
stored=$(e2e_ini_value AlphaBlend)
[ "$stored" = "$opacity" ] || e2e_fail "AlphaBlend=$stored stored, expected $opacity"
echo "ok: the lazy save stored AlphaBlend=$stored"
e2e_close_keyboards
echo "4 passed, 0 failed"

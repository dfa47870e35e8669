#!/usr/bin/env bash
# The settings dialog used as a person would, with the target program holding the focus: a click
# on the keyboard's Apps key opens it; in the dialog, Home on the transparency track bar and Down in
# the colour list change both settings at once; Esc closes it. The keyboard then shows the new
# scheme, Orvilla.ini holds both values, and the target has the focus again and gets the next key.
source "$(dirname "$0")/e2e_lib.sh"

e2e_start_target
e2e_start_orvilla
ORVILLA_WIN=$(e2e_wait_window '^Orvilla - ') || e2e_fail "the keyboard window did not appear"
sleep 1.5
e2e_client_rect
e2e_geometry "$ORVILLA_WIN"
before="$E2E_DIR/before.png" after="$E2E_DIR/after.png"
import -window root -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" "$before"

e2e_click_key 93
e2e_wait_window '^Settings$' >/dev/null || e2e_fail "the Apps key did not open the settings dialog"
sleep 0.5
# The Apps-key branch sends only the release of left Ctrl, never the Apps key itself.
e2e_key_log | grep -q 'vk=0x5D' && e2e_fail "the Apps key was sent to the target: $(e2e_key_log)"
xdotool key Home
sleep 0.3
opacity=$(e2e_opacity)
[ "$opacity" = 50 ] || e2e_fail "Home on the track bar left the opacity at $opacity"
# The colour list is the 17th stop: track bar, three switches, hover, hover time, the word band's
# four stops, the scan band's five, layouts, colours.
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Down
sleep 0.5
scheme=$(e2e_ini_value Colors)
[ -n "$scheme" ] || e2e_fail "moving in the colour list stored no scheme"
xdotool key Escape
for _ in $(seq 1 50); do xdotool search --onlyvisible --name '^Settings$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^Settings$' >/dev/null 2>&1 && e2e_fail "Esc did not close the dialog"
sleep 0.3
e2e_expect_target_focus
echo "ok: the dialog set opacity $opacity and scheme $scheme and closed with Esc"

e2e_geometry "$ORVILLA_WIN"
import -window root -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" "$after"
changed=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
[ "${changed%% *}" -gt 1000 ] || e2e_fail "the keyboard does not show the new scheme ($changed pixels differ)"
e2e_click_key 65
last=$(e2e_key_log | tail -1)
[ "${last%% scan*}" = "UP vk=0x41" ] || e2e_fail "the next key did not reach the target: $last"
e2e_expect_target_focus
sleep 3.5
[ "$(e2e_ini_value AlphaBlend)" = 50 ] || e2e_fail "AlphaBlend=$(e2e_ini_value AlphaBlend) stored, expected 50"
echo "ok: the keyboard shows the new scheme, both values are stored, and typing goes on in the target"
e2e_close_keyboards
echo "2 passed, 0 failed"

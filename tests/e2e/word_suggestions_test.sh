#!/usr/bin/env bash
# Word suggestions end to end: switched on from the system menu, the row shows; clicking t, h and
# then the first suggestion types a word beginning with "th" and a space into the focused target,
# which keeps the focus; a word typed twice is in the row after a restart.
source "$(dirname "$0")/e2e_lib.sh"

WORDS_FILE="$(dirname "$ORVILLA_EXE")/Orvilla-words.txt"
rm -f "$WORDS_FILE"
trap 'rm -f "$WORDS_FILE"; e2e_cleanup' EXIT

e2e_start_target
e2e_start_orvilla
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
sleep 1.5
e2e_syscommand 1037
sleep 0.5
[ "$(e2e_ini_value WordSuggestions)" = 1 ] || e2e_fail "WordSuggestions was not stored"
e2e_client_rect

SPACE=32
key() { printf '%d' "'$1"; }
type_word() { local c; for c in $(echo "$1" | sed 's/./& /g'); do e2e_click_key "$(key "$c")"; done; }

# The first button's centre: the row is split into equal buttons, at least three.
row_first_button() {
  "$ORV_WINE" "$TARGET_EXE" /rowrect "$(orv_winepath "$E2E_DIR/row.txt")" >/dev/null 2>&1 ||
    e2e_fail "no suggestion row on the screen"
  read -r ROW_X ROW_Y ROW_W ROW_H < <(tr -d '\r' < "$E2E_DIR/row.txt")
  BUTTON_X=$(( ROW_X + ROW_W / 10 )); BUTTON_Y=$(( ROW_Y + ROW_H / 2 ))
}

type_word TH
sleep 0.5
row_first_button
xdotool mousemove "$BUTTON_X" "$BUTTON_Y" sleep 0.3 click 1
sleep 0.8
typed=$(e2e_typed_text)
case "$typed" in
  th?*" ") ;;
  *) e2e_fail "the first suggestion after \"th\" gave \"$typed\"" ;;
esac
e2e_expect_target_focus
echo "ok: t, h and the first suggestion typed \"$typed\", the target kept the focus"

# A word the list lacks, typed twice, is learned and kept over a restart.
e2e_click_key $SPACE
for _ in 1 2; do type_word ZORVEX; e2e_click_key $SPACE; done
sleep 0.5
e2e_close_keyboards || e2e_fail "the keyboard did not close"
for _ in $(seq 1 50); do [ -s "$WORDS_FILE" ] && break; sleep 0.1; done
grep -q "zorvex" "$WORDS_FILE" || e2e_fail "the learned word is not in Orvilla-words.txt"
sleep 0.5
e2e_start_orvilla
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not come back"
sleep 1.5
e2e_client_rect
before=$(e2e_typed_text)
type_word ZO
sleep 0.5
row_first_button
xdotool mousemove "$BUTTON_X" "$BUTTON_Y" sleep 0.3 click 1
sleep 0.8
typed=$(e2e_typed_text)
[ "${typed#"$before"}" = "zorvex " ] || e2e_fail "after a restart \"zo\" and the first suggestion gave \"${typed#"$before"}\""
e2e_expect_target_focus
echo "ok: a word typed twice was suggested after a restart"
echo "1 passed, 0 failed"

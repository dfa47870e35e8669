#!/usr/bin/env bash
# Garbage settings end to end: with every value of the section "Main" replaced by negative, huge,
# out-of-range, empty or non-numeric text, and with a binary file in place of Orvilla.ini, the
# keyboard starts visible and on the screen, a click on "A" types into the focused target, and
# its opacity is at least 50.
source "$(dirname "$0")/e2e_lib.sh"

INI="$(dirname "$ORVILLA_EXE")/Orvilla.ini"
KEYS="Keyboard Colors FitWidth LockSize EnableKeyRepeat HoverPress HoverTime AlphaBlend Site
      TMainFormTop TMainFormLeft TMainFormHeight TMainFormWidth TMainFormState"

# Writes Orvilla.ini with every key set to the same text.
write_ini() {
  { printf '[Main]\r\n'; for k in $KEYS; do printf '%s=%s\r\n' "$k" "$1"; done; } > "$INI"
}

read -r SCREEN_W SCREEN_H < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')

# Checks the keyboard started on the settings in place; prints why not and fails otherwise.
check_keyboard() {
  local pid="$1" before after opacity visible_w visible_h
  e2e_wait_window '^Orvilla - ' >/dev/null || { echo "the keyboard window did not appear"; return 1; }
  sleep 1.5
  kill -0 "$pid" 2>/dev/null || { echo "the program ended"; return 1; }
  e2e_client_rect
  # At least a usable keyboard's worth of the client area is on the screen.
  visible_w=$(( (CLIENT_X + CLIENT_W < SCREEN_W ? CLIENT_X + CLIENT_W : SCREEN_W) - (CLIENT_X > 0 ? CLIENT_X : 0) ))
  visible_h=$(( (CLIENT_Y + CLIENT_H < SCREEN_H ? CLIENT_Y + CLIENT_H : SCREEN_H) - (CLIENT_Y > 0 ? CLIENT_Y : 0) ))
  [ "$visible_w" -ge 150 ] && [ "$visible_h" -ge 50 ] ||
    { echo "the client area ${CLIENT_W} x ${CLIENT_H} at ${CLIENT_X},${CLIENT_Y} shows only ${visible_w} x ${visible_h} on the screen"; return 1; }
  "$ORV_WINE" "$TARGET_EXE" /opacity "$(orv_winepath "$E2E_DIR/opacity.txt")" >/dev/null 2>&1 ||
    { echo "no keyboard window to measure"; return 1; }
  opacity=$(tr -d '\r\n' < "$E2E_DIR/opacity.txt")
  [ "$opacity" -ge 50 ] || { echo "opacity $opacity"; return 1; }
  before=$(grep -c '^CHAR' "$TARGET_LOG")
  e2e_click_key 65
  sleep 0.5
  after=$(grep -c '^CHAR' "$TARGET_LOG")
  [ "$after" -gt "$before" ] || { echo "a click on A typed nothing"; return 1; }
  [ "$(grep '^FOCUS' "$TARGET_LOG" | tail -1 | tr -d '\r')" = "FOCUS 1" ] || { echo "the target lost the focus"; return 1; }
}

passed=0 failed=0
# Starts Orvilla on the settings in place and checks it; $1 names the case. Every case runs, and
# the target starts afresh for each, so that one case's focus loss does not spoil the next.
check_start() {
  local name="$1" why
  e2e_start_target
  e2e_start_orvilla
  local pid=$ORVILLA_PID
  if why=$(check_keyboard "$pid"); then
    echo "ok: $name"
    passed=$((passed + 1))
  else
    echo "FAIL: $name: $why"
    failed=$((failed + 1))
  fi
  e2e_close_keyboards >/dev/null 2>&1
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  "$ORV_WINESERVER" -k >/dev/null 2>&1
  : > "$TARGET_LOG"
}

for value in -5 0 -2147483648 2147483647 99999 '' abc 0x 12abc ' 7' 1e9 '$FFFFFFFF'; do
  write_ini "$value"
  check_start "every value \"$value\""
done
head -c 4096 /dev/urandom > "$INI"
printf '\0[Main]\r\nTMainFormHeight=\0\xff\r\nAlphaBlend=\x01\r\n' >> "$INI"
check_start "a binary settings file"
printf '[Main]\r\nSite=1\r\n' > "$INI"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

# Shared steps of the end-to-end tests: a display, the target program holding the focus, Orvilla
# started beside it, and checks on the target's key log.
# Sourced with the arguments ORVILLA_EXE TARGET_EXE. E2E_BUILD_DIR names the build whose Wine loader
# runs them when Orvilla.exe lies outside its build (default: Orvilla.exe's folder); E2E_SEED_INI=0
# leaves Orvilla.ini beside it as it is.
set -u
E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ORVILLA_EXE=$(realpath "$1")
TARGET_EXE=$(realpath "$2")
E2E_DIR=$(mktemp -d /tmp/orvilla-e2e.XXXXXX)
TARGET_LOG="$E2E_DIR/target.log"
source "$E2E_ROOT/scripts/wine-env.sh" "${E2E_BUILD_DIR:-$(dirname "$ORVILLA_EXE")}"
wine_env_start_display || exit 1
wine_env_prefix || exit 1
E2E_PIDS=()

# Every test starts from the same settings: Orvilla keeps them in Orvilla.ini beside itself. The
# first-run counter is already set, so no help page opens in a browser.
[ "${E2E_SEED_INI:-1}" = 0 ] || printf '[Main]\r\nSite=1\r\n' > "$(dirname "$ORVILLA_EXE")/Orvilla.ini"

e2e_fail() { echo "FAIL: $*"; echo "--- target log:"; cat "$TARGET_LOG" 2>/dev/null; exit 1; }

e2e_cleanup() {
  for p in "${E2E_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  "$ORV_WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "$ORV_XVFB_PID" ] && wine_env_stop
  rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT

# Waits until a window whose name matches the pattern is mapped; prints its X window id.
e2e_wait_window() {
  local pattern="$1" count="${2:-1}" ids
  for _ in $(seq 1 150); do
    ids=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true)
    if [ -n "$ids" ] && [ "$(echo "$ids" | wc -l)" -ge "$count" ]; then echo "$ids"; return 0; fi
    sleep 0.2
  done
  return 1
}

e2e_start_target() {
  "$ORV_WINE" "$TARGET_EXE" "$(orv_winepath "$TARGET_LOG")" >/dev/null 2>&1 &
  E2E_PIDS+=($!)
  TARGET_WIN=$(e2e_wait_window '^Orvilla target$') || e2e_fail "the target window did not appear"
  for _ in $(seq 1 50); do grep -q "FOCUS 1" "$TARGET_LOG" 2>/dev/null && return 0; sleep 0.1; done
  e2e_fail "the target did not get the focus"
}

# Starts Orvilla; ORVILLA_PID is the Wine process, ORVILLA_WIN the keyboard window. Wine's messages
# go to the file ORVILLA_LOG names, when set.
e2e_start_orvilla() {
  "$ORV_WINE" "$ORVILLA_EXE" "$@" >/dev/null 2>"${ORVILLA_LOG:-/dev/null}" &
  ORVILLA_PID=$!
  E2E_PIDS+=($ORVILLA_PID)
}

# Geometry of a window: sets WIN_X, WIN_Y, WIN_W, WIN_H.
e2e_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/WIN_X=/p; s/^Y=/WIN_Y=/p; s/^WIDTH=/WIN_W=/p; s/^HEIGHT=/WIN_H=/p')"
}

e2e_click() {  # x y [button]
  xdotool mousemove "$1" "$2" click "${3:-1}"
}

# The target still has the focus: its last focus message is the gain.
e2e_expect_target_focus() {
  local last
  last=$(grep "^FOCUS" "$TARGET_LOG" | tail -1 | tr -d "\r")
  [ "$last" = "FOCUS 1" ] || e2e_fail "the target lost the focus ($last)"
}

e2e_close_keyboards() {
  "$ORV_WINE" "$TARGET_EXE" /close >/dev/null 2>&1
}

# The keyboard's client area in screen pixels: sets CLIENT_X, CLIENT_Y, CLIENT_W, CLIENT_H.
e2e_client_rect() {
  local f="$E2E_DIR/client.txt"
  "$ORV_WINE" "$TARGET_EXE" /clientrect "$(orv_winepath "$f")" >/dev/null 2>&1 || e2e_fail "no keyboard window to measure"
  read -r CLIENT_X CLIENT_Y CLIENT_W CLIENT_H < <(tr -d '\r' < "$f")
}

# Centre of a key in screen pixels (KEY_X, KEY_Y), from the layout text in the source and the
# client area measured last. The layout is built-in layout $E2E_LAYOUT ("Standard" when unset), or
# the layout file $E2E_LAYOUT_FILE when set. Layout units scale separately in x and y; of a key in
# two parts (Enter in "Full"), the part after the separator point when $E2E_SECOND_PART is 1.
e2e_key_center() {
  local code="$1" text points
  if [ -n "${E2E_LAYOUT_FILE:-}" ]; then
    text=$(tr -d '\r' < "$E2E_LAYOUT_FILE" | sed 's/^/L"/')
  else
    text=$(awk -v n="${E2E_LAYOUT:-1}" '$0 ~ "// " n " \"" {on=1; next} on && (/^    \/\/ [0-9]+ "/ || /^};/) {on=0} on' \
             "$E2E_ROOT/src/keyboard/builtin_layouts.cpp")
  fi
  local width height
  width=$(echo "$text" | grep -o 'L"Width=[0-9]*' | head -1 | sed 's/.*=//')
  height=$(echo "$text" | grep -o 'L"Height=[0-9]*' | head -1 | sed 's/.*=//')
  points=$(echo "$text" | grep -o "L\"$code=[-0-9,;]*" | head -1 | sed 's/^L"[0-9]*=//')
  [ -n "$points" ] && [ -n "$width" ] && [ -n "$height" ] || e2e_fail "key $code is not in the layout"
  case "$points" in
    *"-1,-1;"*) if [ "${E2E_SECOND_PART:-0}" = 1 ]; then points=${points#*-1,-1;}; else points=${points%%;-1,-1*}; fi ;;
  esac
  local xs ys
  xs=$(echo "$points" | tr ';' '\n' | cut -d, -f1 | sort -n)
  ys=$(echo "$points" | tr ';' '\n' | cut -d, -f2 | sort -n)
  local x0 x1 y0 y1
  x0=$(echo "$xs" | head -1); x1=$(echo "$xs" | tail -1)
  y0=$(echo "$ys" | head -1); y1=$(echo "$ys" | tail -1)
  KEY_X=$(( CLIENT_X + (x0 + x1) * CLIENT_W / 2 / width ))
  KEY_Y=$(( CLIENT_Y + (y0 + y1) * CLIENT_H / 2 / height ))
  # The key's bounds on the screen too.
  KEY_L=$(( CLIENT_X + x0 * CLIENT_W / width )); KEY_R=$(( CLIENT_X + x1 * CLIENT_W / width ))
  KEY_T=$(( CLIENT_Y + y0 * CLIENT_H / height )); KEY_B=$(( CLIENT_Y + y1 * CLIENT_H / height ))
}

# The keyboard window's opacity as the system has it (its layered alpha, 255 when not layered).
e2e_opacity() {
  "$ORV_WINE" "$TARGET_EXE" /opacity "$(orv_winepath "$E2E_DIR/opacity.txt")" >/dev/null 2>&1 ||
    e2e_fail "no keyboard window to measure"
  tr -d '\r\n' < "$E2E_DIR/opacity.txt"
}

# A value of Orvilla.ini's section "Main", or nothing.
e2e_ini_value() {
  tr -d '\r' < "$(dirname "$ORVILLA_EXE")/Orvilla.ini" | sed -n "s/^$1=//p" | tail -1
}

# A command of the keyboard's system menu, by its id.
e2e_syscommand() {
  "$ORV_WINE" "$TARGET_EXE" /syscommand "$1" >/dev/null 2>&1 || e2e_fail "no keyboard for system command $1"
}

# Clicks a key of the layout with a mouse button (1 left, 2 middle, 3 right).
e2e_click_key() {
  e2e_key_center "$1"
  xdotool mousemove "$KEY_X" "$KEY_Y" click "${2:-1}"
  sleep 0.15
}

# The key-down and key-up messages the target received, carriage returns stripped.
e2e_key_log() { grep -E '^(DOWN|UP) ' "$TARGET_LOG" | tr -d '\r'; }

# The characters the target received, as text.
e2e_typed_text() {
  grep '^CHAR' "$TARGET_LOG" | tr -d '\r' | awk '{print $2}' |
    while read -r hex; do printf "\\x$(printf %x $((hex)))"; done
}

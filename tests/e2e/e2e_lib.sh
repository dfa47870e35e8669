# Shared steps of the end-to-end tests: a display, the target program holding the focus, Orvilla
# started beside it, and checks on the target's key log.
set -u
E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ORVILLA_EXE=$(realpath "$1")
TARGET_EXE=$(realpath "$2")
E2E_DIR=$(mktemp -d /tmp/orvilla-e2e.XXXXXX)
TARGET_LOG="$E2E_DIR/target.log"
source "$E2E_ROOT/scripts/wine-env.sh" "$(dirname "$ORVILLA_EXE")"
wine_env_start_display || exit 1
wine_env_prefix
E2E_PIDS=()

e2e_fail() { echo "FAIL: $*"; echo "--- target log:"; cat "$TARGET_LOG" 2>/dev/null; exit 1; }

e2e_cleanup() {
  for p in "${E2E_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  wineserver -k >/dev/null 2>&1 || true
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
  wine "$TARGET_EXE" "$(winepath -w "$TARGET_LOG")" >/dev/null 2>&1 &
  E2E_PIDS+=($!)
  TARGET_WIN=$(e2e_wait_window '^Orvilla target$') || e2e_fail "the target window did not appear"
  for _ in $(seq 1 50); do grep -q "FOCUS 1" "$TARGET_LOG" 2>/dev/null && return 0; sleep 0.1; done
  e2e_fail "the target did not get the focus"
}

# Starts Orvilla; ORVILLA_PID is the Wine process, ORVILLA_WIN the keyboard window.
e2e_start_orvilla() {
  wine "$ORVILLA_EXE" "$@" >/dev/null 2>&1 &
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
  wine "$TARGET_EXE" /close >/dev/null 2>&1
}

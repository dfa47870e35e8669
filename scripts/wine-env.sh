# Sourced by the scripts that run Windows programs: a Wine prefix of the build's own, quiet
# Wine, and a display (the current one, or a virtual one started here).
# Usage: source scripts/wine-env.sh [build-dir]; call wine_env_stop at the end.
_orv_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
_orv_build=$(cd "${1:-$_orv_root/build/windows}" 2>/dev/null && pwd)
export WINEPREFIX="${WINEPREFIX:-${_orv_build:-$_orv_root/build/windows}/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
ORV_XVFB_PID=""

wine_env_start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 90 130); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 "${ORV_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
      ORV_XVFB_PID=$!
      export DISPLAY=":$n"
      local i
      for i in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
      echo "wine-env: Xvfb on :$n did not start" >&2
      return 1
    fi
  done
  echo "wine-env: no free display number" >&2
  return 1
}

wine_env_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # Wine's own Tahoma, Wingdings and Marlett are not found by GDI from its data folder here; in the
  # prefix's font folder they are, as they would be on Windows.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" f
  mkdir -p "$fonts"
  for f in /usr/share/wine/fonts/*.ttf; do
    [ -e "$f" ] && [ ! -e "$fonts/$(basename "$f")" ] && cp "$f" "$fonts/"
  done
  return 0
}

wine_env_start() {
  wine_env_start_display || return 1
  wine_env_prefix
  # Keep one wineserver alive for the whole run: every program start is then quick. (It answers
  # with an error when one is running already, which is just as good.)
  wineserver -p >/dev/null 2>&1 </dev/null || true
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$ORV_XVFB_PID" ]; then kill "$ORV_XVFB_PID" 2>/dev/null || true; wait "$ORV_XVFB_PID" 2>/dev/null || true; fi
  ORV_XVFB_PID=""
}

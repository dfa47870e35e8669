# The one place that decides how Wine is called. Sourced by every script and end-to-end test that
# runs a Windows program: it picks the Wine loader that matches a build (32-bit or 64-bit), a Wine
# prefix of the project's own, quiet Wine, and a display (the current one, or a virtual one started
# here). Debian's `wine`, `wineboot` and `winepath` wrappers are never used: they pick the 32-bit
# loader whenever wine32 is installed, and that loader cannot run on a machine whose kernel leaves
# out 32-bit support.
#
# Usage: source scripts/wine-env.sh [build-dir]
#   $ORV_WINE exe args...     runs a Windows program with the loader of the build's architecture
#   $ORV_WINESERVER args...   the Wine server
#   orv_winepath PATH         the Windows form of a Linux path (Z:\...)
#   orv_runnable_windows_preset, wine_env_use_build DIR: which build's programs run here
#   wine_env_start            display, prefix and a Wine server kept alive; wine_env_stop ends them
# Environment: ORVILLA_WINE32=0 behaves as on a machine that cannot run 32-bit programs.
_orv_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
_orv_build=$(cd "${1:-$_orv_root/build/windows}" 2>/dev/null && pwd || true)
export WINEPREFIX="${WINEPREFIX:-$_orv_root/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
ORV_WINE32_LOADER=/usr/lib/wine/wine
ORV_WINE64_LOADER=/usr/lib/wine/wine64
# Wine finds its 32-bit loader beside the 64-bit one named here.
export WINELOADER="$ORV_WINE64_LOADER"
ORV_WINESERVER=/usr/lib/wine/wineserver64
[ -x "$ORV_WINESERVER" ] || ORV_WINESERVER=/usr/lib/wine/wineserver32
ORV_XVFB_PID=""

# Whether this machine's kernel executes 32-bit x86 programs: a 93-byte 32-bit ELF program that
# only exits is tried. Usable before any package is installed.
orv_machine_runs_32bit() {
  [ "${ORVILLA_WINE32:-1}" != 0 ] || return 1
  local probe rc
  probe=$(mktemp /tmp/orvilla-elf32.XXXXXX) || return 1
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null
  rc=$?
  rm -f "$probe"
  [ "$rc" = 0 ]
}

# Why a Wine loader cannot be used here, or nothing when it can. Argument: 32 or 64.
orv_wine_unusable_reason() {
  local arch="$1" loader out
  if [ "$arch" = 32 ]; then
    [ "${ORVILLA_WINE32:-1}" != 0 ] || { echo "ORVILLA_WINE32=0 is set"; return; }
    orv_machine_runs_32bit || { echo "this machine cannot execute 32-bit programs"; return; }
    loader=$ORV_WINE32_LOADER
  else
    loader=$ORV_WINE64_LOADER
  fi
  [ -x "$loader" ] || { echo "$loader is not installed"; return; }
  out=$("$loader" --version 2>&1) || echo "$loader --version failed: $out"
}

# The architecture of a Windows build folder (32 or 64), as its CMake configuration wrote it.
orv_build_arch() {
  local f="${1:-$_orv_build}/wine-arch.txt"
  if [ -f "$f" ]; then cat "$f"; else echo 32; fi
}

orv_winepath() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s\n' "${p//\//\\}"
}

# Runs the programs of a build folder from now on: sets ORV_WINE_ARCH and ORV_WINE.
wine_env_use_build() {
  ORV_WINE_ARCH=$(orv_build_arch "$1")
  if [ "$ORV_WINE_ARCH" = 64 ]; then ORV_WINE=$ORV_WINE64_LOADER; else ORV_WINE=$ORV_WINE32_LOADER; fi
}
wine_env_use_build "$_orv_build"

# The Windows build whose programs run here: the 32-bit one (the program as shipped) where 32-bit
# Wine runs, otherwise the 64-bit one. Prints the CMake preset's name, which is also its folder's.
orv_runnable_windows_preset() {
  if [ -z "$(orv_wine_unusable_reason 32)" ]; then echo windows; else echo windows64; fi
}

# Runs a Wine command and, when it fails, says which command and what it printed.
orv_wine_checked() {
  local out rc
  out=$("$@" 2>&1 </dev/null)
  rc=$?
  if [ "$rc" != 0 ]; then
    echo "wine-env: '$*' failed with exit code $rc:" >&2
    [ -n "$out" ] && echo "$out" | tail -20 >&2
  fi
  return "$rc"
}

wine_env_start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 90 130); do
    # A lock left by an X server that is gone (a run killed before its clean-up) frees the number:
    # Xvfb removes such a lock and its socket itself.
    local holder=""
    [ -e "/tmp/.X$n-lock" ] && holder=$(tr -d ' ' <"/tmp/.X$n-lock")
    if [ -n "$holder" ] && ! kill -0 "$holder" 2>/dev/null; then holder=""; fi
    if [ -z "$holder" ] && { [ ! -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; }; then
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
  local reason
  reason=$(orv_wine_unusable_reason "$ORV_WINE_ARCH")
  if [ -n "$reason" ]; then
    echo "wine-env: cannot run $ORV_WINE_ARCH-bit Windows programs: $reason" >&2
    return 1
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # The prefix is a 64-bit one; the 64-bit loader creates it on every machine.
    orv_wine_checked "$ORV_WINE64_LOADER" wineboot -i || return 1
    "$ORV_WINESERVER" -w
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
  wine_env_prefix || return 1
  # Keep one wineserver alive for the whole run: every program start is then quick. (It answers
  # with an error when one is running already, which is just as good.)
  "$ORV_WINESERVER" -p >/dev/null 2>&1 </dev/null || true
}

wine_env_stop() {
  "$ORV_WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$ORV_XVFB_PID" ]; then kill "$ORV_XVFB_PID" 2>/dev/null || true; wait "$ORV_XVFB_PID" 2>/dev/null || true; fi
  ORV_XVFB_PID=""
}

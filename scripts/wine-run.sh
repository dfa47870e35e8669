#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix, with the loader of the build it
# belongs to (ctest's cross-compiling emulator). Starts a virtual display when none is set.
set -u
exe="$1"; shift
build_dir=$(cd "$(dirname "$exe")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done; pwd)
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh" "$build_dir"
wine_env_start_display || exit 1
wine_env_prefix || exit 1
# Processes that Wine starts for the program (its wineserver, the desktop process) live on after
# it and would keep ctest's output pipe open: they get their own outputs, and the program's output
# goes through a file.
"$ORV_WINESERVER" -p >/dev/null 2>&1 </dev/null || true
out=$(mktemp)
"$ORV_WINE" "$exe" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
[ "$rc" = 0 ] || echo "wine-run: $ORV_WINE $exe ended with exit code $rc" >&2
[ -n "$ORV_XVFB_PID" ] && wine_env_stop
exit $rc

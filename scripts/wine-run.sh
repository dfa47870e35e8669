#!/usr/bin/env bash
# Runs one Windows program under Wine in the build's own prefix (ctest's cross-compiling
# emulator). Starts a virtual display when none is set.
set -u
exe="$1"; shift
build_dir=$(cd "$(dirname "$exe")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done; pwd)
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh" "$build_dir"
wine_env_start_display || exit 1
wine_env_prefix
# A wineserver started by wine itself would inherit ctest's output pipe and keep the test open.
wineserver -p >/dev/null 2>&1 </dev/null
wine "$exe" "$@"
rc=$?
[ -n "$ORV_XVFB_PID" ] && wine_env_stop
exit $rc

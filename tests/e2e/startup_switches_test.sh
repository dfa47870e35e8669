#!/usr/bin/env bash
# Start-up switches and the restart without a DPI compatibility layer:
# - "/DEBUG" writes Log.txt beside the program with the line for the keyboard window;
# - a process started under a layer that names DPI ends at once with exit code 0 and its restarted
#   copy shows the keyboard, exactly once;
# - a restarted copy that finds the layer again (Windows may put it back from the compatibility
#   settings stored for the program file) does not restart again.
source "$(dirname "$0")/e2e_lib.sh"

log="$(dirname "$ORVILLA_EXE")/Log.txt"
rm -f "$log"
e2e_start_orvilla /DEBUG
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
[ -f "$log" ] || e2e_fail "/DEBUG wrote no Log.txt"
iconv -f UTF-16 -t UTF-8 "$log" | tr -d '\r' | grep -q ' : MainForm$' || e2e_fail "Log.txt lacks the MainForm line"
e2e_close_keyboards
wait "$ORVILLA_PID"
rm -f "$log"
echo "ok: /DEBUG wrote Log.txt with the MainForm line"

__COMPAT_LAYER="~ HighDpiAware" "$ORV_WINE" "$ORVILLA_EXE" >/dev/null 2>&1 &
first=$!
E2E_PIDS+=($first)
for _ in $(seq 1 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first" 2>/dev/null && e2e_fail "the process under a DPI layer did not end by itself"
wait "$first"; rc=$?
[ "$rc" = 0 ] || e2e_fail "the process under a DPI layer ended with exit code $rc"
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the restarted copy showed no keyboard"
sleep 2
count=$(xdotool search --onlyvisible --name '^Orvilla - ' | wc -l)
[ "$count" = 1 ] || e2e_fail "$count keyboard windows after the restart, expected 1"
e2e_close_keyboards || e2e_fail "the restarted keyboard did not close"
echo "ok: a DPI layer restarts the program once, without the layer"

__COMPAT_LAYER="HIGHDPIAWARE" ORVILLA_RELAUNCHED=1 "$ORV_WINE" "$ORVILLA_EXE" >/dev/null 2>&1 &
again=$!
E2E_PIDS+=($again)
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the restarted copy showed no keyboard"
kill -0 "$again" 2>/dev/null || e2e_fail "a restarted copy restarted itself again"
e2e_close_keyboards
wait "$again"
echo "ok: a restarted copy never restarts again"
echo "1 passed, 0 failed"

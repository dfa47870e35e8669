#!/usr/bin/env bash
# Start-up end to end: the keyboard appears beside the focused target without taking the focus,
# loading none of the libraries only the settings dialog, the shell and the features that are off
# use, a click on it leaves the focus with the target, two starts give two windows, and closing the
# window ends the process with exit code 0.
source "$(dirname "$0")/e2e_lib.sh"

e2e_start_target
loads="$E2E_DIR/loads.txt"
WINEDEBUG=+loaddll ORVILLA_LOG="$loads" e2e_start_orvilla
first_pid=$ORVILLA_PID
KB=$(e2e_wait_window '^Orvilla - ') || e2e_fail "the keyboard window did not appear"
sleep 1
e2e_expect_target_focus

# The libraries the process loaded up to a second after the keyboard showed, even for a moment (Wine
# logs each load): the settings dialog's common controls come when it is first opened, the shell
# when a page is.
tid=$(grep -a 'Loaded L".*\\Orvilla\.exe"' "$loads" | head -1 | cut -d: -f1)
[ -n "$tid" ] || e2e_fail "no load of Orvilla.exe in Wine's log"
libraries=$(grep -a "^$tid:trace:loaddll:.* Loaded " "$loads" | grep -oi '[^\\]*\.dll"' | tr -d '"' | tr 'A-Z' 'a-z' | sort -u)
echo "$libraries" | grep -qx 'user32.dll' || e2e_fail "no user32.dll among the loaded libraries: $libraries"
# Nor are the sounds' and the joystick's winmm (scanning and the click sound are off) or UI
# Automation (word suggestions are off).
for library in comctl32.dll shell32.dll winmm.dll uiautomationcore.dll; do
  echo "$libraries" | grep -qx "$library" && e2e_fail "$library is loaded before it is needed"
done
echo "ok: none of comctl32, shell32, winmm and UI Automation is loaded at start"

e2e_geometry "$KB"
e2e_click $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H - 10))
sleep 1
e2e_expect_target_focus
echo "ok: the keyboard started and a click left the focus with the target"

e2e_start_orvilla
second_pid=$ORVILLA_PID
e2e_wait_window '^Orvilla - ' 2 >/dev/null || e2e_fail "a second start did not give a second window"
echo "ok: two starts give two keyboard windows"

e2e_close_keyboards || e2e_fail "the keyboard windows did not close"
wait "$first_pid"; rc1=$?
wait "$second_pid"; rc2=$?
[ "$rc1" = 0 ] && [ "$rc2" = 0 ] || e2e_fail "exit codes $rc1 and $rc2, expected 0"
echo "ok: closing the windows ended both processes with exit code 0"
echo "1 passed, 0 failed"

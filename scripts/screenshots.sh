#!/usr/bin/env bash
# Takes the pictures in docs/: the real program under Wine for each of the eight layouts in three
# colour schemes (docs/screenshots/layout<N>-scheme<M>.png), the keyboard rendered off-screen by
# orvilla_render.exe under English, with Shift latched, under the test services' German and
# French and German with AltGr (docs/screenshots/rendered-*.png), and the README's picture of the
# keyboard beside the program it types into (docs/screenshot.png).
#
# Runs on a virtual 1920 x 1040 display (a 1920 x 1080 screen less its taskbar: "Standard" is then
# 724 x 297) in a Wine prefix of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
export ORV_SCREEN=1920x1040x24
source scripts/screenshot-prelude.sh
# The settings store keeps Orvilla.ini beside the program only outside temporary folders.
screenshot_prepare screenshot-run Orvilla orvilla_target orvilla_render
cp "build/$preset/Orvilla.exe" "$scratch/"
target_exe="$root/build/$preset/orvilla_target.exe"
render_exe="$root/build/$preset/orvilla_render.exe"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wine_env_stop
  rm -rf "$scratch"
}
trap cleanup EXIT
wine_env_start || exit 1
# Wine's helper processes start with the first program: start them with no output to hold open.
"$ORV_WINE" cmd /c exit >/dev/null 2>&1 || true

fail() { echo "screenshots: $*" >&2; exit 1; }

# Waits until a window whose name matches is mapped; prints the first one's X window id.
wait_window() {
  local ids
  for _ in $(seq 1 150); do
    ids=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
    if [ -n "$ids" ]; then echo "$ids" | head -1; return 0; fi
    sleep 0.2
  done
  return 1
}

# Posts WM_CLOSE to every keyboard window and waits for the program to end.
close_keyboard() {
  local pid="$1"
  "$ORV_WINE" "$target_exe" /close >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

write_settings() {  # layout scheme
  printf '[Main]\r\nKeyboard=%d\r\nColors=%d\r\nSite=1\r\n' "$1" "$2" >"$scratch/Orvilla.ini"
}

start_keyboard() {
  "$ORV_WINE" "$scratch/Orvilla.exe" >/dev/null 2>&1 &
  KB_PID=$!
  pids+=("$KB_PID")
  KB_WIN=$(wait_window '^Orvilla - ') || fail "the keyboard window did not appear"
  sleep 1.5  # first paint
}

to_png() {  # source destination
  convert "$1" -strip -define png:compression-level=9 "$2"
}

# (a) The real program: the eight layouts in "Windows Light", "Windows Dark" and "Android".
for layout in 1 2 3 4 5 6 7 8; do
  for scheme in 6 5 7; do
    write_settings "$layout" "$scheme"
    start_keyboard
    import -window "$KB_WIN" "$scratch/shot.png"
    to_png "$scratch/shot.png" "$shots/layout$layout-scheme$scheme.png"
    close_keyboard "$KB_PID"
    echo "layout $layout, scheme $scheme: docs/screenshots/layout$layout-scheme$scheme.png"
  done
done

# (b) Legends rendered off-screen as the program draws them, "Standard" in "Windows Light".
render() {  # name args...
  local name="$1"
  shift
  "$ORV_WINE" "$render_exe" 1 6 1920 1040 "$@" "$(orv_winepath "$scratch/$name.bmp")" >/dev/null ||
    fail "orvilla_render.exe $* failed"
  to_png "$scratch/$name.bmp" "$shots/$name.png"
  echo "rendered ${*:-English}: docs/screenshots/$name.png"
}
render rendered-english
render rendered-english-shift shift
render rendered-german german
render rendered-french french
render rendered-german-altgr altgr german

# (c) The README's picture: the target program holds the focus, the keyboard below it has typed
# "Hello, World" into it with clicks (Shift latched for the capitals).
log="$scratch/target.log"
"$ORV_WINE" "$target_exe" "$(orv_winepath "$log")" >/dev/null 2>&1 &
pids+=("$!")
target_win=$(wait_window '^Orvilla target$') || fail "the target window did not appear"
write_settings 1 6
start_keyboard
eval "$(xdotool getwindowgeometry --shell "$KB_WIN" | sed -n 's/^X=/KX=/p; s/^Y=/KY=/p; s/^WIDTH=/KW=/p; s/^HEIGHT=/KH=/p')"
xdotool windowsize "$target_win" "$KW" 150 windowmove "$target_win" "$KX" $((KY - 160))
sleep 0.5

"$ORV_WINE" "$target_exe" /clientrect "$(orv_winepath "$scratch/client.txt")" >/dev/null 2>&1 ||
  fail "no keyboard window to measure"
read -r CX CY CW CH < <(tr -d '\r' <"$scratch/client.txt")
# Clicks the centre of a key of "Standard", from its outline in the layout text (441 x 181 units).
click_key() {
  local points xs ys
  points=$(awk '/\/\/ 1 "Standard"/{on=1} /\/\/ 2 "/{on=0} on' src/keyboard/builtin_layouts.cpp |
           grep -o "L\"$1=[-0-9,;]*" | head -1 | sed 's/^L"[0-9]*=//')
  [ -n "$points" ] || fail "key $1 is not in the Standard layout"
  xs=$(echo "$points" | tr ';' '\n' | cut -d, -f1 | sort -n)
  ys=$(echo "$points" | tr ';' '\n' | cut -d, -f2 | sort -n)
  local x=$(( CX + ($(echo "$xs" | head -1) + $(echo "$xs" | tail -1)) * CW / 2 / 441 ))
  local y=$(( CY + ($(echo "$ys" | head -1) + $(echo "$ys" | tail -1)) * CH / 2 / 181 ))
  xdotool mousemove "$x" "$y" click 1
  sleep 0.15
}
code() { printf '%d' "'$1"; }
click_key 160
click_key "$(code H)"
for c in E L L O; do click_key "$(code $c)"; done
click_key 188
click_key 32
click_key 160
click_key "$(code W)"
for c in O R L D; do click_key "$(code $c)"; done
xdotool mousemove 0 0
sleep 1

# The display has no window manager, so the target shows no caption; the two windows are put on a
# desktop-coloured background at their places on the screen, with a margin.
import -window "$target_win" "$scratch/target.png"
import -window "$KB_WIN" "$scratch/keyboard.png"
eval "$(xdotool getwindowgeometry --shell "$target_win" | sed -n 's/^X=/TX=/p; s/^Y=/TY=/p')"
margin=12
left=$(( (TX < KX ? TX : KX) - margin ))
top=$(( (TY < KY ? TY : KY) - margin ))
convert -size "$((KX + KW + margin - left))x$((KY + KH + margin - top))" xc:'#2d6c9c' \
  "$scratch/target.png" -geometry "+$((TX - left))+$((TY - top))" -composite \
  "$scratch/keyboard.png" -geometry "+$((KX - left))+$((KY - top))" -composite \
  -strip -define png:compression-level=9 "$root/docs/screenshot.png"
close_keyboard "$KB_PID"
echo "docs/screenshot.png: the keyboard below the target it typed into"

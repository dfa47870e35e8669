#!/usr/bin/env bash
# Takes the pictures of the settings dialog: English and French at 96 and 192 DPI
# (docs/screenshots/settings-<language>-<dpi>.png). Each DPI runs in a Wine prefix of its own
# whose screen is set to that DPI, and in which Wine draws the window frames itself (the virtual
# display has no window manager to draw them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
unset DISPLAY
export ORV_SCREEN=2560x1440x24
source scripts/wine-env.sh
preset=$(orv_runnable_windows_preset)
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2 --target orvilla_settings_screenshot
wine_env_use_build "build/$preset"
exe="$root/build/$preset/orvilla_settings_screenshot.exe"
shots="$root/docs/screenshots"
scratch="$root/build/settings-screenshots"
mkdir -p "$shots" "$scratch"
trap wine_env_stop EXIT

for dpi in 96 192; do
  export WINEPREFIX="$root/build/wine-settings-$dpi"
  wine_env_start || exit 1
  "$ORV_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  "$ORV_WINE" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  "$ORV_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  for shot in english:0409 french:040C; do
    name=${shot%%:*}
    bmp="$scratch/settings-$name-$dpi.bmp"
    "$ORV_WINE" "$exe" "${shot##*:}" "$(orv_winepath "$bmp")" </dev/null
    convert "$bmp" -strip -define png:compression-level=9 "$shots/settings-$name-$dpi.png"
    echo "saved docs/screenshots/settings-$name-$dpi.png"
  done
  wine_env_stop
done

# Sourced by the screenshot scripts after they set $root and cd there. screenshot_prepare NAME
# TARGET... builds the targets of the Windows build that runs here (the 32-bit program where it
# runs, otherwise the 64-bit build of the same code) in the Wine prefix of the measurements, and
# sets $preset, $shots (docs/screenshots) and $scratch (build/NAME, made empty).
screenshot_prepare() {
  local name=$1
  shift
  unset DISPLAY
  export WINEPREFIX="$root/build/wine-measure"
  source "$root/scripts/wine-env.sh"
  preset=$(orv_runnable_windows_preset)
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2 --target "$@"
  wine_env_use_build "build/$preset"
  shots="$root/docs/screenshots"
  scratch="$root/build/$name"
  rm -rf "$scratch"
  mkdir -p "$scratch" "$shots"
}

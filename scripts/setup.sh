#!/usr/bin/env bash
# Installs what building and testing Orvilla needs on Debian 12. Idempotent: quick when
# everything is present.
set -eu
native_pkgs=(cmake make g++ libgtest-dev libgmock-dev googletest libbenchmark-dev)
windows_pkgs=(g++-mingw-w64-i686-posix wine wine32:i386 wine64 fonts-wine xvfb xdotool x11-utils imagemagick)

missing=()
for p in "${native_pkgs[@]}" "${windows_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null

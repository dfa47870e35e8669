#!/usr/bin/env bash
# Installs what building and testing Orvilla needs on Debian 12. Idempotent: quick when
# everything is present. The 32-bit Wine loader (wine32, with the i386 architecture) is installed
# only where this machine can execute 32-bit programs; elsewhere the Windows tests run from the
# 64-bit build under 64-bit Wine.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"

native_pkgs=(cmake make g++ libgtest-dev libgmock-dev googletest libbenchmark-dev clang libclang-rt-14-dev)
windows_pkgs=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xdotool x11-utils
              imagemagick)
# scripts/package.sh: the zip, the installer and the release check's unpacking.
release_pkgs=(nsis zip unzip)
want_i386=0
if orv_machine_runs_32bit; then
  want_i386=1
  windows_pkgs+=(wine32:i386)
fi

missing=()
for p in "${native_pkgs[@]}" "${windows_pkgs[@]}" "${release_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
[ "$want_i386" = 1 ] || echo "setup: this machine cannot execute 32-bit programs: no 32-bit Wine; the Windows tests run from the 64-bit build"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ "$want_i386" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null

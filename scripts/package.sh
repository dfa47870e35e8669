#!/usr/bin/env bash
# Makes a release of Orvilla in dist/, from the 32-bit build (build/windows, the build the tests
# test):
#   Orvilla-VERSION-win32.zip    Orvilla.exe, README.txt, LICENSE.txt, THIRD-PARTY-NOTICES.txt,
#                                CHANGELOG.txt; the same sources give the same bytes
#   Orvilla-VERSION-setup.exe    the installer (NSIS, x86-unicode)
#   SHA256SUMS                   of both
#   winget/                      the Windows package manager's manifests of the zip
# VERSION is the project version in CMakeLists.txt. ORVILLA_DOWNLOAD_URL is the address of the
# folder the release files will be downloaded from (the manifests name the zip in it); until one
# exists, a placeholder stands there. Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)

bash scripts/setup.sh
source scripts/package-lib.sh

echo "== package: the 32-bit program"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs" --target Orvilla
version=$(orv_release_version build/windows)
zip="Orvilla-$version-win32.zip"
setup="Orvilla-$version-setup.exe"
url="${ORVILLA_DOWNLOAD_URL:-https://example.invalid/orvilla/$version}"

stage=build/package/files
rm -rf dist
mkdir -p dist
orv_stage_release_files build/windows/Orvilla.exe "$version" "$stage"
orv_reproducible_zip "dist/$zip" "$stage"
orv_make_installer x86-unicode "$version" build/windows/Orvilla.exe "$stage" "dist/$setup"
(cd dist && sha256sum "$zip" "$setup" >SHA256SUMS)
orv_write_winget_manifests dist/winget "$version" "dist/$zip" "$url"

echo "== package: Orvilla $version in dist/"
(cd dist && ls -l "$zip" "$setup" SHA256SUMS winget/*) | sed 's/^/  /'
[ -n "${ORVILLA_DOWNLOAD_URL:-}" ] ||
  echo "package: the manifests name $url/$zip; set ORVILLA_DOWNLOAD_URL to the real download folder"

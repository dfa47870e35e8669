#!/usr/bin/env bash
# The release check, after scripts/package.sh (and the Windows builds) of this tree:
# - the zip holds exactly its five files, its Orvilla.exe is the tested build/windows/Orvilla.exe,
#   its texts are the sources' with Windows line ends, and its bytes do not depend on the files'
#   dates, modes or order on disk; SHA256SUMS and the package manifests match the files;
# - unpacked into a fresh folder, the program runs and keeps its settings in Orvilla.ini beside
#   itself, none in the registry;
# - the installer in silent mode installs under Program Files with a Start-menu shortcut, the start
#   with Windows when asked and an "Apps & features" entry; started from its shortcut, the program
#   types into the target and keeps its settings in the registry; the silent uninstaller removes
#   the program, its shortcuts and its entry, and leaves the settings unless asked to remove them.
# Where 32-bit programs cannot run, the Wine part runs the 64-bit build: the zip's files with the
# 64-bit Orvilla.exe, and the same installer script made for amd64-unicode with it inside.
# The Wine part has a prefix of its own, made anew: build/wineprefix-release.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
source scripts/package-lib.sh

fail() { echo "FAIL: $*"; exit 1; }
version=$(orv_release_version build/windows) || fail "no version of build/windows"
zip="dist/Orvilla-$version-win32.zip"
setup="dist/Orvilla-$version-setup.exe"
[ -f "$zip" ] && [ -f "$setup" ] || fail "dist/ has no release $version: run scripts/package.sh first"
work=$(mktemp -d /tmp/orvilla-release.XXXXXX)
trap 'rm -rf "$work"' EXIT

# --- The zip: its files, its program, its texts.
listed=$(unzip -Z1 "$zip" | tr '\n' ' ')
[ "$listed" = "${ORV_RELEASE_FILES[*]} " ] || fail "the zip holds: $listed"
unzip -q "$zip" -d "$work/unzipped" || fail "the zip does not unpack"
cmp -s "$work/unzipped/Orvilla.exe" build/windows/Orvilla.exe ||
  fail "the zip's Orvilla.exe is not the tested build/windows/Orvilla.exe"
for pair in LICENSE.txt:LICENSE THIRD-PARTY-NOTICES.txt:THIRD-PARTY-NOTICES CHANGELOG.txt:CHANGELOG.md; do
  shipped="$work/unzipped/${pair%%:*}"
  [ "$(grep -c $'\r$' "$shipped")" = "$(wc -l <"$shipped")" ] || fail "${pair%%:*} has lines without CRLF"
  tr -d '\r' <"$shipped" | cmp -s - "${pair#*:}" || fail "${pair%%:*} differs from ${pair#*:}"
done
tr -d '\r' <"$work/unzipped/README.txt" | cmp -s - <(sed "s/@VERSION@/$version/g" packaging/README.txt) ||
  fail "README.txt is not packaging/README.txt for $version"
grep -q "^## $version " "$work/unzipped/CHANGELOG.txt" || fail "CHANGELOG.txt has no entry for $version"
echo "ok: the zip holds ${ORV_RELEASE_FILES[*]}, with the tested Orvilla.exe"

# Same files, same bytes: copies made now, in another order, with other modes, zip the same.
mkdir "$work/again"
for ((i = ${#ORV_RELEASE_FILES[@]} - 1; i >= 0; i--)); do
  f=${ORV_RELEASE_FILES[$i]}
  cp "$work/unzipped/$f" "$work/again/$f" && chmod 0600 "$work/again/$f"
done
orv_reproducible_zip "$work/again.zip" "$work/again" || fail "the zip cannot be made again"
cmp -s "$work/again.zip" "$zip" || fail "the same files dated now give another zip"
echo "ok: the zip's bytes depend on its files alone"

# --- The sums and the manifests.
[ "$(cut -d' ' -f3 dist/SHA256SUMS | tr '\n' ' ')" = "$(basename "$zip") $(basename "$setup") " ] ||
  fail "SHA256SUMS lists: $(cut -d' ' -f3 dist/SHA256SUMS | tr '\n' ' ')"
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
sha=$(sha256sum "$zip" | cut -d' ' -f1 | tr 'a-f' 'A-F')
for kind in "" .installer .locale.en-US; do
  m="dist/winget/$ORV_WINGET_ID$kind.yaml"
  [ -f "$m" ] || fail "no manifest $m"
  for line in "PackageIdentifier: $ORV_WINGET_ID" "PackageVersion: $version" "ManifestVersion: 1.10.0"; do
    grep -qx "$line" "$m" || fail "$m lacks '$line'"
  done
done
installer="dist/winget/$ORV_WINGET_ID.installer.yaml"
for line in "InstallerType: zip" "NestedInstallerType: portable" "  - RelativeFilePath: Orvilla.exe" \
            "  - Architecture: x86" "    InstallerSha256: $sha"; do
  grep -qx -- "$line" "$installer" || fail "$installer lacks '$line'"
done
grep -qE "^    InstallerUrl: https://.*/$(basename "$zip")$" "$installer" || fail "$installer names no download of the zip"
echo "ok: SHA256SUMS and the manifests of the Windows package manager match the files"

# The shipped installer is a 32-bit Windows program (x86-unicode).
pe=$(od -An -tu4 -j60 -N4 "$setup" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$setup" | tr -d ' ')
[ "$(head -c2 "$setup")" = MZ ] && [ "$machine" = 014c ] || fail "$setup is no 32-bit Windows program"

# --- Under Wine: the build whose programs run here.
source scripts/wine-env.sh
if [ -z "$(orv_wine_unusable_reason 32)" ]; then
  build=build/windows
else
  build=build/windows64
  echo "release: 32-bit programs cannot run here ($(orv_wine_unusable_reason 32)): the Wine part runs the 64-bit build, with the installer made for amd64-unicode"
  cp build/windows64/Orvilla.exe "$work/unzipped/Orvilla.exe"
  setup="$work/Orvilla-$version-setup-amd64.exe"
  orv_make_installer amd64-unicode "$version" build/windows64/Orvilla.exe "$work/unzipped" "$setup" ||
    fail "the amd64-unicode installer could not be made"
fi
[ -f "$build/orvilla_target.exe" ] || fail "no $build/orvilla_target.exe: build the preset ${build#build/} first"
export WINEPREFIX="$root/build/wineprefix-release"
"$ORV_WINESERVER" -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
# No menu entries in this machine's desktop, no browser for the first-run page.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe,winebrowser.exe=d"

# --- The zip unpacked into a fresh folder.
portable="$work/Orvilla"
mv "$work/unzipped" "$portable"
E2E_BUILD_DIR="$build" E2E_SEED_INI=0 source tests/e2e/e2e_lib.sh "$portable/Orvilla.exe" "$build/orvilla_target.exe"
trap 'e2e_cleanup; rm -rf "$work"' EXIT
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe,winebrowser.exe=d"

settings_key='HKCU\Software\Lunavar\Orvilla'
stored() { "$ORV_WINE" reg query "$settings_key" /v "$1" </dev/null >/dev/null 2>&1; }

e2e_start_orvilla
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the unpacked program showed no keyboard"
sleep 1
e2e_close_keyboards || e2e_fail "the unpacked program's keyboard did not close"
wait "$ORVILLA_PID"
for key in FitWidth TMainFormLeft Site; do
  [ -n "$(e2e_ini_value $key)" ] || e2e_fail "Orvilla.ini beside the unpacked program has no $key"
done
! stored FitWidth || e2e_fail "the unpacked program wrote its settings into the registry"
echo "ok: unpacked into a fresh folder, the program runs and keeps its settings in Orvilla.ini beside itself"

# --- The installer's round trip.
# The installer's registry view is the one the build's own reg.exe sees (the 32-bit one for the
# 32-bit installer).
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvilla'
if [ "$build" = build/windows ]; then program_files="Program Files (x86)"; else program_files="Program Files"; fi
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/$program_files/Orvilla"
installed_win="C:\\$program_files\\Orvilla"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
menu_win='C:\ProgramData\Microsoft\Windows\Start Menu\Programs'

# A value of the "Apps & features" entry, or nothing.
entry() { "$ORV_WINE" reg query "$uninstall_key" /v "$1" </dev/null 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 \+REG_[A-Z_]* \+//p"; }

# Whether the installed program runs in this test's Wine prefix.
installed_running() {
  local pid
  for pid in $(pgrep -f 'Orvilla\\Orvilla\.exe' || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}

install() {
  "$ORV_WINE" "$setup" /S "$@" </dev/null >/dev/null 2>&1 || e2e_fail "the silent installer failed ($*)"
  [ "$(cd "$installed" 2>/dev/null && ls | LC_ALL=C sort | tr '\n' ' ')" = "CHANGELOG.txt LICENSE.txt Orvilla.exe README.txt THIRD-PARTY-NOTICES.txt Uninstall.exe " ] ||
    e2e_fail "the installer put into $program_files/Orvilla: $(ls "$installed" 2>&1 | tr '\n' ' ')"
  cmp -s "$installed/Orvilla.exe" "$build/Orvilla.exe" || e2e_fail "the installed Orvilla.exe is not the build's"
  [ -f "$menu/Orvilla.lnk" ] || e2e_fail "no Start-menu shortcut"
  [ "$(entry DisplayName)" = Orvilla ] && [ "$(entry DisplayVersion)" = "$version" ] &&
    [ "$(entry Publisher)" = Lunavar ] && [ "$(entry UninstallString)" = "\"$installed_win\\Uninstall.exe\"" ] ||
    e2e_fail "the \"Apps & features\" entry is: $("$ORV_WINE" reg query "$uninstall_key" </dev/null 2>&1 | tr -d '\r')"
}

# The uninstaller hands over to a copy of itself and ends at once: wait for the copy's work.
uninstall() {
  "$ORV_WINE" "$installed_win\\Uninstall.exe" /S "$@" </dev/null >/dev/null 2>&1 || e2e_fail "the silent uninstaller failed ($*)"
  for _ in $(seq 1 100); do
    [ -e "$installed" ] || [ -n "$(entry DisplayName)" ] || break
    sleep 0.2
  done
  [ ! -e "$installed" ] || e2e_fail "the uninstaller left: $(ls "$installed" | tr '\n' ' ')"
  [ -z "$(entry DisplayName)" ] || e2e_fail "the uninstaller left the \"Apps & features\" entry"
  [ ! -e "$menu/Orvilla.lnk" ] && [ ! -e "$menu/StartUp/Orvilla.lnk" ] || e2e_fail "the uninstaller left a shortcut"
}

install /STARTWITHWINDOWS
[ -f "$menu/StartUp/Orvilla.lnk" ] || e2e_fail "/STARTWITHWINDOWS made no start with Windows"
echo "ok: the silent installer installed into $program_files with its shortcuts and its \"Apps & features\" entry"

ORVILLA_EXE="$installed/Orvilla.exe"
e2e_start_target
"$ORV_WINE" start "$menu_win\\Orvilla.lnk" </dev/null >/dev/null 2>&1 || e2e_fail "the Start-menu shortcut did not start"
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the Start-menu shortcut showed no keyboard"
sleep 1.5
e2e_client_rect
e2e_click_key 160   # Shift
e2e_click_key "$(printf '%d' "'H")"
e2e_click_key "$(printf '%d' "'I")"
sleep 0.3
[ "$(e2e_typed_text)" = Hi ] || e2e_fail "the installed program typed \"$(e2e_typed_text)\", expected \"Hi\""
e2e_expect_target_focus
e2e_close_keyboards || e2e_fail "the installed program's keyboard did not close"
# The program was started through the shell: wait for its process.
for _ in $(seq 1 100); do installed_running || break; sleep 0.2; done
! installed_running || e2e_fail "the installed program did not end after its keyboard closed"
for key in FitWidth TMainFormLeft; do stored $key || e2e_fail "the installed program stored no $key in the registry"; done
[ ! -e "$installed/Orvilla.ini" ] || e2e_fail "the installed program wrote Orvilla.ini beside itself"
echo "ok: started from the Start menu, the installed program typed into the target and kept its settings in the registry"

uninstall
stored FitWidth || e2e_fail "the uninstaller removed the settings unasked"
echo "ok: the silent uninstaller removed the program, its shortcuts and its entry, and left the settings"

install
[ ! -e "$menu/StartUp/Orvilla.lnk" ] || e2e_fail "an install without /STARTWITHWINDOWS starts with Windows"
uninstall /REMOVESETTINGS
! "$ORV_WINE" reg query "$settings_key" </dev/null >/dev/null 2>&1 || e2e_fail "/REMOVESETTINGS left the settings"
echo "ok: installed again without the start with Windows, uninstalled with /REMOVESETTINGS: the settings are gone"
echo "1 passed, 0 failed"

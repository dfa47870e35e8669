# The steps of making a release, shared by scripts/package.sh and the release check
# (tests/release/release_test.sh). Sourced; every function fails with a message on its own.
#
#   orv_release_version BUILD          the project version a Windows build was made with
#   orv_release_date                   the date of the newest version in CHANGELOG.md
#   orv_stage_release_files EXE VERSION DIR
#                                      the files of the zip, in DIR
#   orv_reproducible_zip ZIP DIR       the zip of DIR's files, the same bytes for the same files
#   orv_make_installer TARGET VERSION EXE DOCS SETUP
#                                      the NSIS installer (TARGET x86-unicode or amd64-unicode)
#   orv_write_winget_manifests DIR VERSION ZIP URL
#                                      the Windows package manager's manifests of the zip
_orv_release_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The files of the zip, in their order in it.
ORV_RELEASE_FILES=(Orvilla.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt CHANGELOG.txt)
ORV_WINGET_ID=Lunavar.Orvilla

orv_release_fail() { echo "package: $*" >&2; return 1; }

orv_release_version() {
  local file="$1/version.txt" version
  [ -f "$file" ] || { orv_release_fail "$file is missing: configure the build first"; return 1; }
  version=$(tr -d '\r\n' <"$file")
  [[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { orv_release_fail "bad version '$version' in $file"; return 1; }
  echo "$version"
}

# The date of CHANGELOG.md's first "## VERSION (YYYY-MM-DD)" heading; the zip's entries carry it.
orv_release_date() {
  local date
  date=$(sed -n 's/^## [0-9][0-9.]* (\([0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\)).*/\1/p' \
           "$_orv_release_root/CHANGELOG.md" | head -1)
  [ -n "$date" ] || { orv_release_fail "CHANGELOG.md has no '## VERSION (YYYY-MM-DD)' heading"; return 1; }
  echo "$date"
}

# A text file for Windows: CRLF line ends (an existing CR is not doubled).
_orv_crlf() { sed 's/\r$//; s/$/\r/' "$1" >"$2"; }

orv_stage_release_files() {
  local exe="$1" version="$2" dir="$3"
  # The changelog heading of this version must be there: the release says what it brings.
  grep -q "^## $version\b" "$_orv_release_root/CHANGELOG.md" ||
    { orv_release_fail "CHANGELOG.md has no entry '## $version'"; return 1; }
  rm -rf "$dir" && mkdir -p "$dir" || return 1
  cp "$exe" "$dir/Orvilla.exe" || return 1
  sed "s/@VERSION@/$version/g" "$_orv_release_root/packaging/README.txt" >"$dir/README.tmp" &&
    _orv_crlf "$dir/README.tmp" "$dir/README.txt" && rm "$dir/README.tmp" &&
    _orv_crlf "$_orv_release_root/LICENSE" "$dir/LICENSE.txt" &&
    _orv_crlf "$_orv_release_root/THIRD-PARTY-NOTICES" "$dir/THIRD-PARTY-NOTICES.txt" &&
    _orv_crlf "$_orv_release_root/CHANGELOG.md" "$dir/CHANGELOG.txt"
}

# Same files, same bytes: the entries in ORV_RELEASE_FILES' order, each with the release date at
# midnight UTC (or SOURCE_DATE_EPOCH when set), mode 0644, and no owner or Unix times.
orv_reproducible_zip() {
  local zip="$1" dir="$2" copy stamp f
  command -v zip >/dev/null || { orv_release_fail "zip is not installed (scripts/setup.sh installs it)"; return 1; }
  if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then stamp="@$SOURCE_DATE_EPOCH"; else stamp="$(orv_release_date) 00:00:00" || return 1; fi
  copy=$(mktemp -d /tmp/orvilla-zip.XXXXXX) || return 1
  for f in "${ORV_RELEASE_FILES[@]}"; do
    cp "$dir/$f" "$copy/$f" && chmod 0644 "$copy/$f" && TZ=UTC touch -d "$stamp" "$copy/$f" ||
      { rm -rf "$copy"; orv_release_fail "cannot stage $dir/$f"; return 1; }
  done
  rm -f "$zip"
  zip=$(realpath -m "$zip")
  (cd "$copy" && TZ=UTC zip -X -D -9 -q "$zip" "${ORV_RELEASE_FILES[@]}")
  local rc=$?
  rm -rf "$copy"
  [ "$rc" = 0 ] || orv_release_fail "zip failed ($rc)"
}

orv_make_installer() {
  local target="$1" version="$2" exe="$3" docs="$4" setup="$5" out
  command -v makensis >/dev/null || { orv_release_fail "makensis is not installed (scripts/setup.sh installs nsis)"; return 1; }
  out=$(makensis -V2 -INPUTCHARSET UTF8 \
          "-DVERSION=$version" "-DTARGET=$target" "-DPROGRAM=$(realpath "$exe")" \
          "-DDOCS=$(realpath "$docs")" "-DOUTFILE=$(realpath -m "$setup")" \
          "$_orv_release_root/packaging/orvilla.nsi" 2>&1) ||
    { echo "$out" >&2; orv_release_fail "makensis failed for $target"; return 1; }
}

# The three manifests of the Windows package manager (schema 1.10.0) for the zip: a portable
# program nested in a zip, for x86. URL is the address of the folder the zip is downloaded from.
orv_write_winget_manifests() {
  local dir="$1" version="$2" zip="$3" url="$4" sha date name
  name=$(basename "$zip")
  sha=$(sha256sum "$zip" | cut -d' ' -f1 | tr 'a-f' 'A-F') || return 1
  date=$(orv_release_date) || return 1
  mkdir -p "$dir" || return 1
  cat >"$dir/$ORV_WINGET_ID.yaml" <<EOF
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.version.1.10.0.schema.json
PackageIdentifier: $ORV_WINGET_ID
PackageVersion: $version
DefaultLocale: en-US
ManifestType: version
ManifestVersion: 1.10.0
EOF
  cat >"$dir/$ORV_WINGET_ID.installer.yaml" <<EOF
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.installer.1.10.0.schema.json
PackageIdentifier: $ORV_WINGET_ID
PackageVersion: $version
InstallerType: zip
NestedInstallerType: portable
NestedInstallerFiles:
  - RelativeFilePath: Orvilla.exe
    PortableCommandAlias: orvilla
ReleaseDate: $date
Installers:
  - Architecture: x86
    InstallerUrl: ${url%/}/$name
    InstallerSha256: $sha
ManifestType: installer
ManifestVersion: 1.10.0
EOF
  cat >"$dir/$ORV_WINGET_ID.locale.en-US.yaml" <<EOF
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.defaultLocale.1.10.0.schema.json
PackageIdentifier: $ORV_WINGET_ID
PackageVersion: $version
PackageLocale: en-US
Publisher: Lunavar
PackageName: Orvilla
License: MIT
Copyright: Copyright (c) 2026 The Orvilla developers
ShortDescription: An on-screen keyboard that never takes the focus.
Description: |-
  Orvilla is an on-screen keyboard for Windows: a small window that stays on top and never takes
  the focus. A click, pen tap or touch on a key types it into the program that has the focus.
  Modifier keys latch until the next key, the legends follow the input language, and "Hover to
  type" presses a key when the pointer rests on it.
Moniker: orvilla
Tags:
  - accessibility
  - keyboard
  - on-screen-keyboard
  - touch
  - virtual-keyboard
ManifestType: defaultLocale
ManifestVersion: 1.10.0
EOF
}

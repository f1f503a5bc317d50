#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Caldrix team
# SPDX-License-Identifier: GPL-3.0-or-later
# What a packager checks: the desktop entry and the AppStream metainfo
# validate, the saved-game MIME type is declared and opened, the Debian
# changelog names the build's version, and the command line answers without
# a display.
# Usage: packaging.sh SOURCE_DIR CALDRIX_BINARY
set -uo pipefail
src=$1 caldrix=$2
id=io.github.caldrix.Caldrix
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (scripts/setup.sh installs it)"
    exit 77
  fi
done
desktop-file-validate "$src/resources/$id.desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$src/resources/$id.metainfo.xml" ||
  fail "the metainfo does not validate"

# Saved games: their MIME type, the desktop entry that opens them and the
# metainfo that says so.
type=application/x-caldrix-game
mime=$src/resources/$id.mime.xml
if command -v xmllint >/dev/null; then
  xmllint --noout "$mime" || fail "the MIME file is not well-formed XML"
fi
grep -q "<mime-type type=\"$type\">" "$mime" || fail "the MIME file does not declare $type"
grep -q '<glob pattern="\*\.caldrix"/>' "$mime" || fail "the MIME file has no *.caldrix glob"
if command -v update-mime-database >/dev/null; then
  data=$(mktemp -d)
  trap 'rm -rf "$data"' EXIT
  db=$data/mime
  mkdir -p "$db/packages"
  cp "$mime" "$db/packages/$id.xml"
  # update-mime-database exits 0 on most faults, but says so on stderr; it
  # also notes a database outside the XDG data folders, hence XDG_DATA_HOME.
  errors=$(XDG_DATA_HOME=$data update-mime-database "$db" 2>&1 >/dev/null) ||
    fail "update-mime-database fails: $errors"
  [[ -z $errors ]] || fail "update-mime-database: $errors"
  grep -qx "[0-9]*:$type:\*\.caldrix" "$db/globs2" || fail "*.caldrix is not $type in the database"
  grep -qx "$type application/json" "$db/subclasses" || fail "$type is not a kind of JSON"
fi
grep -qx "MimeType=\(.*;\)\?$type;.*" "$src/resources/$id.desktop" ||
  fail "the desktop entry's MimeType does not list $type"
grep -qx 'Exec=caldrix %[fFuU]' "$src/resources/$id.desktop" ||
  fail "the desktop entry does not pass the file to open"
grep -q "<mediatype>$type</mediatype>" "$src/resources/$id.metainfo.xml" ||
  fail "the metainfo does not provide $type"

# No display at all: --help and --version still answer.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$caldrix" "$@"; }
project_version=$(sed -n 's/^project(caldrix VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
version=$(run --version) || fail "--version exits $?"
[[ $version == "caldrix $project_version" ]] || fail "--version prints '$version'"
if [[ -f $src/debian/changelog ]]; then
  changelog=$(sed -n '1s/^caldrix (\([^)]*\)).*/\1/p' "$src/debian/changelog")
  [[ $changelog == "$project_version" ]] ||
    fail "debian/changelog is at '$changelog', the build at $project_version"
fi
run --help | grep -q -- "--version" || fail "--help does not list --version"
# A bad command line exits 2 with its reason and the usage: the arguments, then the reason.
refused() {
  local out code
  out=$(run "${@:1:$#-1}" 2>&1)
  code=$?
  [[ $code -eq 2 ]] || fail "'${*:1:$#-1}' exits $code, not 2"
  [[ $out == *"${!#}"* && $out == *"Usage:"* ]] || fail "'${*:1:$#-1}' prints: $out"
}
refused --frobnicate "unknown option '--frobnicate'"
refused game.mtf "'game.mtf' is not a saved game"
refused a.caldrix b.caldrix "one game at a time, but was given 'a.caldrix' 'b.caldrix'"
[[ $status -eq 0 ]] && echo "PASS: desktop entry, metainfo, MIME type, changelog version and command line"
exit $status

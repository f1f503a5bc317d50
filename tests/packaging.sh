#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Caldrix team
# SPDX-License-Identifier: GPL-3.0-or-later
# What a packager checks: the desktop entry and the AppStream metainfo
# validate, and the command line answers without a display.
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

# No display at all: --help and --version still answer.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$caldrix" "$@"; }
version=$(run --version) || fail "--version exits $?"
[[ $version == "caldrix $(sed -n 's/^project(caldrix VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")" ]] ||
  fail "--version prints '$version'"
run --help | grep -q -- "--version" || fail "--help does not list --version"
for bad in --frobnicate game.mtf; do
  out=$(run "$bad" 2>&1)
  code=$?
  [[ $code -eq 2 ]] || fail "'$bad' exits $code, not 2"
  [[ $out == *"$bad"* && $out == *"Usage:"* ]] || fail "'$bad' prints: $out"
done
[[ $status -eq 0 ]] && echo "PASS: desktop entry, metainfo and command line"
exit $status

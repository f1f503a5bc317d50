#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Caldrix team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Caldrix needs from Debian's packages, but only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev        # Qt 6 Widgets and Qt Test
  fonts-crosextra-carlito       # the dialog font every layout was measured with
  xvfb xauth xdotool imagemagick # the real-window test under an X server
  librsvg2-bin                  # every icon is rendered from its SVG
  appstream desktop-file-utils  # the packaging test validates the metainfo and desktop entry,
  libxml2-utils shared-mime-info # and checks the saved-game MIME type
  "$@"                          # what a caller needs besides (scripts/package: debhelper, lintian)
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  sudo=()
  if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi

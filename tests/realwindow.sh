#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Caldrix team
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program in a real window: starts it under Xvfb (xcb), presses
# "Ok!" in the new-game dialog, checks cells 0 and 1 of the heat scale on a
# screenshot; plays a turn and types an entry, kills the program (SIGKILL)
# once the autosave holds the entry, starts it again and resumes the game,
# which must come back exactly; ends it with File > Exit, status 0.
# Skips (exit 77) where the X tools it drives are missing, as in a bare
# package build; scripts/setup.sh installs them.
# Usage: realwindow.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
for tool in xvfb-run xauth xdotool import convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (Debian's xvfb, xauth, xdotool and imagemagick have them)"
    exit 77
  fi
done
if ! convert -version 2>/dev/null | grep -q ImageMagick; then
  echo "SKIP: convert is not ImageMagick's"
  exit 77
fi
out=$(mkdir -p "$2" && cd "$2" && pwd)
if [[ -z ${CALDRIX_IN_XVFB:-} ]]; then
  rm -rf "$out/prefix"
  cmake --install "$1" --prefix "$out/prefix" >/dev/null
  CALDRIX_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -noreset" "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME=$out/data # the autosaves of this test alone
rm -rf "$XDG_DATA_HOME"

fail() { echo "FAIL: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }
until_ok() { # waits up to 20 s for the command to succeed
  local deadline=$((SECONDS + 20))
  until "$@"; do ((SECONDS < deadline)) || return 1; sleep 0.1; done
}
window() { # the visible "Caldrix" window of a size: prints "id x y height"
  local id
  for id in $(xdotool search --onlyvisible --name '^Caldrix$' 2>/dev/null); do
    xdotool getwindowgeometry "$id" | tr ',x' '  ' | awk -v id="$id" -v w="$1" '
      /Position/ { x = $2; y = $3 } /Geometry/ { if ($2 == w) print id, x, y, $3 }' | grep . && return 0
  done
  return 1
}
pixel() { convert "$out/screenshot.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }

click() { xdotool mousemove $((mx + $1)) $((my + menubar + $2)) click "${3:-1}"; }
type_into() { click "$1" "$2" && xdotool key ctrl+a type "$3"; }
"$out/prefix/bin/caldrix" &
pid=$!
until_ok window 448 >/dev/null || fail "the new-game dialog did not appear"
read -r _ px py _ < <(window 448)
xdotool mousemove $((px + 396)) $((py + 224)) click 1 # "Ok!"
alone() { window 636 >/dev/null && ! window 448 >/dev/null; }
until_ok alone || fail "the main window is not alone after Ok!"
read -r _ mx my height < <(window 636)
menubar=$((height - 447))

# Cell 0 is at 200,96 in the client area, 17 x 17; sampled below its digits.
x=$((mx + 208)) y=$((my + menubar + 110))
painted() { import -window root "$out/screenshot.png" && [[ $(pixel $x $y) == "#FF8080" ]]; }
until_ok painted || fail "cell 0 is $(pixel $x $y), not light red"
[[ $(pixel $x $((y - 16))) == "#C0C0C0" ]] || fail "cell 1 is $(pixel $x $((y - 16))), not light grey"
convert "$out/screenshot.png" -crop "636x$height+$mx+$my" +repage "$out/window.png"

# A turn of the first 'Mech, then an entry typed after it.
click 300 136                     # the first 'Mech in the roster
type_into 528 26 Walking          # movement type
type_into 508 306 None            # engine hits
click 380 428                     # Next Turn
type_into 448 108 25              # weapon heat
saved() { grep -qsE '"weaponHeat": ?"25"' "$XDG_DATA_HOME"/*/game-*.caldrix; }
until_ok saved || fail "the entry typed after the turn was not autosaved"
save=$(ls "$XDG_DATA_HOME"/*/game-*.caldrix)
cp "$save" "$out/before-kill.caldrix"
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true

"$out/prefix/bin/caldrix" &
pid=$!
until_ok window 448 >/dev/null || fail "the new-game dialog did not appear after the restart"
read -r _ mx my height < <(window 636)
read -r dialog _ < <(window 448)
xdotool windowmove "$dialog" 700 0 # no window manager: move the dialog off the roster
shown() { xdotool search --onlyvisible --classname caldrix 2>/dev/null | wc -l; }
before=$(shown)
click 300 250 3                   # the roster's context menu
menu_open() { (($(shown) > before)); }
until_ok menu_open || fail "the roster's context menu did not open"
xdotool key r                     # Resume Last Game
resumed() { alone; }
until_ok resumed || fail "the game was not resumed"
cmp -s "$save" "$out/before-kill.caldrix" || fail "the resumed game differs from the one killed"

xdotool mousemove $((mx + 14)) $((my + menubar / 2)) click 1 key e # File > Exit
status=0
wait "$pid" || status=$?
[[ $status -eq 0 ]] || fail "exit status $status"
echo "PASS: the heat scale shows level 0 in a real window, a killed game resumes exactly, and File > Exit ends with status 0"

#!/usr/bin/env bash
# The installed program in a real window: starts it under Xvfb (xcb platform),
# presses "Ok!" in the new-game dialog, takes a screenshot, checks the heat
# scale's cells 0 and 1 at their places, ends it with File > Exit and expects
# exit status 0. Usage: realwindow.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
prefix="$out/prefix"
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

if [[ -z ${CALDRIX_IN_XVFB:-} ]]; then
  export CALDRIX_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }

# Waits (up to 20 s) until the command succeeds; returns its status.
until_ok() {
  local deadline=$((SECONDS + 20))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

"$prefix/bin/caldrix" &
pid=$!

# A window of the given size titled "Caldrix": prints its id.
window_of_size() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Caldrix$' 2>/dev/null); do
    if xdotool getwindowgeometry "$id" | grep -q "Geometry: $1\$"; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
geometry() { # id -> "x y"
  xdotool getwindowgeometry "$1" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }'
}
pixel() { # x y -> "r,g,b"
  convert "$out/screenshot.png" -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR==2 { gsub(/[()]/, "", $2); print $2 }' | cut -d, -f1-3
}

until_ok window_of_size 448x293 >/dev/null || fail "the new-game dialog did not appear"
pick=$(window_of_size 448x293)
read -r px py < <(geometry "$pick")
# "Ok!" sits at 360,184 in the dialog, 73 x 81.
xdotool mousemove $((px + 396)) $((py + 224)) click 1

main_shown() { window_of_size "636x[0-9]*" >/dev/null && ! window_of_size 448x293 >/dev/null; }
until_ok main_shown || fail "the main window is not alone on screen after Ok!"
main=$(window_of_size "636x[0-9]*")
read -r mx my < <(geometry "$main")
height=$(xdotool getwindowgeometry "$main" | awk '/Geometry/ { split($2, g, "x"); print g[2] }')
menubar=$((height - 447))

# Cell 0 of the heat scale: Frame1 at 192,0, the cell at 8,96, 17 x 17;
# sampled below its digits, inside its border.
cell0_x=$((mx + 192 + 8 + 8)); cell0_y=$((my + menubar + 96 + 14))
cell1_y=$((cell0_y - 16))
painted() {
  import -window root "$out/screenshot.png" 2>/dev/null
  [[ $(pixel "$cell0_x" "$cell0_y") == "255,128,128" ]]
}
until_ok painted || fail "cell 0 is $(pixel "$cell0_x" "$cell0_y"), not light red (255,128,128)"
[[ $(pixel "$cell0_x" "$cell1_y") == "192,192,192" ]] ||
  fail "cell 1 is $(pixel "$cell0_x" "$cell1_y"), not light grey (192,192,192)"
convert "$out/screenshot.png" -crop "636x${height}+${mx}+${my}" +repage "$out/window.png"

# File > Exit: open the menu with the mouse, then its access key.
xdotool mousemove $((mx + 14)) $((my + menubar / 2)) click 1
menu_open() { [[ $(xdotool search --onlyvisible --class caldrix 2>/dev/null | wc -l) -ge 2 ]]; }
until_ok menu_open || fail "the File menu did not open"
xdotool key e
status=0
wait "$pid" || status=$?
[[ $status -eq 0 ]] || { echo "FAIL: exit status $status" >&2; exit 1; }
echo "PASS: real window shown, heat scale at level 0, File > Exit ended with status 0"

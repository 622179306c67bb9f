#!/usr/bin/env bash
# Takes the README's picture of the window, frame and title bar included, on a throw-away X desktop
# (Xvfb with openbox), and writes it to docs/worthmere.png.
#   scripts/screenshot.sh [PROGRAM]   PROGRAM defaults to a fresh release build of worthmere
# Needs xvfb, openbox, x11-utils, xdotool and imagemagick (scripts/quickstart.sh screenshot
# installs them).
set -euo pipefail

cd "$(dirname "$0")/.."
output=docs/worthmere.png

program=${1:-}
if [ -z "$program" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target worthmere
  program=build/release/app/worthmere
fi

# shellcheck source=scripts/x_desktop.sh
source scripts/x_desktop.sh
start_x_desktop 760x480x24

"$program" &
pids+=($!)
wait_for xdotool search --onlyvisible --pid "${pids[-1]}"
window=$(xdotool search --onlyvisible --pid "${pids[-1]}" | head -n 1)
# The pointer away from every button, and time for the first paint to land.
xdotool mousemove 0 0
sleep 1

# The client area plus the frame the window manager drew around it.
client=$(xwininfo -id "$window")
field() { sed -n "s/^ *$1: *//p" <<<"$client"; }
IFS=', ' read -r extent_left extent_right extent_top extent_bottom \
  < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')
left=$(($(field 'Absolute upper-left X') - extent_left))
top=$(($(field 'Absolute upper-left Y') - extent_top))
width=$(($(field 'Width') + extent_left + extent_right))
height=$(($(field 'Height') + extent_top + extent_bottom))

mkdir -p "$(dirname "$output")"
import -window root -crop "${width}x${height}+${left}+${top}" +repage -strip "$output"
echo "wrote $output (${width} x ${height})"

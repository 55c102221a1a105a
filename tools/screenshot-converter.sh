#!/usr/bin/env bash
# Starts the built program on a private X display with a window manager,
# converts a speed and a temperature with real key presses, and saves a
# screenshot of the converter window.
#   bash tools/screenshot-converter.sh [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-converter.png}
program=build/IKTO-SI/bin/ikto-si
title="IKTO Interim SI Conversion Tool"
[ -x "$program" ] || { echo "Build the program first (bash tools/run.sh or cmake --build build)."; exit 1; }
source tools/packages.sh
source tools/x-server.sh
ensure_packages xvfb openbox xdotool imagemagick xclip x11-utils

work=$(mktemp -d /tmp/ikto-screenshot.XXXXXX)
xvfb=""
wm=""
app=""
search=""
# Runs on every way out, a failed step included: the window search, the
# program, the window manager and the X server go, in that order.
cleanup() {
    local pid
    for pid in "$search" "$app" "$wm" "$xvfb"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_private_xvfb "$work/display" 1024x768
start_window_manager "$work/config" /dev/null || exit 1

"$program" >/dev/null 2>&1 &
app=$!
# In the background, so that an interrupt is handled at once, not after the search.
timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" >"$work/window" &
search=$!
wait "$search" || true
search=""
window=$(head -n 1 "$work/window")
[ -n "$window" ] || { echo "the converter window did not appear"; exit 1; }
timeout 10 xdotool windowactivate --sync "$window"
menu=$(( $(xdotool getwindowgeometry --shell "$window" | sed -n 's/HEIGHT=//p') - 161 ))

# Clicks a point of the content area, given in the layout's coordinates.
click() { xdotool mousemove --window "$window" "$1" $(( $2 + menu )) click 1; }
field_text() { click "$1" "$2"; xdotool key ctrl+a ctrl+c; sleep 0.2; timeout 5 xclip -o -selection clipboard; }

click 90 87; xdotool type 60; xdotool key Return
click 90 119; xdotool type -- -40; xdotool key Return
sleep 0.3
echo "km/h: $(field_text 90 103)"
echo "°C:   $(field_text 90 135)"
import -window "$window" -frame "$out"
echo "screenshot: $out"

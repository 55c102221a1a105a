#!/usr/bin/env bash
# Starts the built program on a private X display with a window manager,
# converts a speed and a temperature with real key presses, and saves a
# screenshot of the converter window.
#   bash tools/screenshot-converter.sh [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-converter.png}
program=build/IKTO-SI/bin/ikto-si
[ -x "$program" ] || { echo "Build the program first (bash tools/run.sh or cmake --build build)."; exit 1; }
source tools/packages.sh
ensure_packages xvfb openbox xdotool imagemagick xclip

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
DISPLAY=$display "$program" >/dev/null 2>&1 &
app=$!
export DISPLAY=$display
window=$(xdotool search --sync --onlyvisible --name "IKTO Interim SI Conversion Tool" | head -1)
xdotool windowactivate --sync "$window"
menu=$(( $(xdotool getwindowgeometry --shell "$window" | sed -n 's/HEIGHT=//p') - 161 ))

# Clicks a point of the content area, given in the layout's coordinates.
click() { xdotool mousemove --window "$window" "$1" $(( $2 + menu )) click 1; }
field_text() { click "$1" "$2"; xdotool key ctrl+a ctrl+c; sleep 0.2; xclip -o -selection clipboard; }

click 90 87; xdotool type 60; xdotool key Return
click 90 119; xdotool type -- -40; xdotool key Return
sleep 0.3
echo "km/h: $(field_text 90 103)"
echo "°C:   $(field_text 90 135)"
import -window "$window" -frame "$out"
echo "screenshot: $out"

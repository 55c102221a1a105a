#!/usr/bin/env bash
# End-to-end tests: runs the built program on a private X server with a window
# manager and drives it only with synthetic X input, as a user would, reading
# values back through the clipboard. Every scenario in tests/e2e/ gets a fresh
# program. Fails when any check fails.
#   bash tools/e2e.sh [path/to/IKTO-SI/bin/ikto-si]
# Without a path (or IKTO_PROGRAM) it builds the program alone, without the
# tests, in build/ (as tools/run.sh does) and uses build/IKTO-SI.
# E2E_ONLY="speeds closing" runs only the scenarios named.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages xvfb openbox xdotool xclip x11-utils imagemagick || exit 1

program=${1:-${IKTO_PROGRAM:-}}
if [ -z "$program" ]; then
    ensure_packages "${BUILD_PACKAGES[@]}" || exit 1
    program=build/IKTO-SI/bin/ikto-si
    cmake -S . -B build -DIKTO_BUILD_TESTS=OFF >/dev/null || exit 1
    cmake --build build --target ikto-si -j"$(nproc)" >/dev/null || exit 1
fi
[ -x "$program" ] || { echo "e2e: no program at $program"; exit 1; }
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

work=$(mktemp -d /tmp/ikto-e2e.XXXXXX)
: >"$work/pids"
: >"$work/results"
xvfb=""
wm=""
cleanup() {
    local pid name
    # Scenarios stop their own programs; this catches whatever a killed one
    # left. A number may have passed to another process since: only ours, on
    # our display and by the same name, are stopped.
    while read -r pid name; do
        [ "$(ps -o comm= -p "$pid" 2>/dev/null)" == "$name" ] &&
            tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=${DISPLAY:-none}" &&
            kill "$pid" 2>/dev/null
    done <"$work/pids"
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$xvfb" ] && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
scenario_pid=""
interrupted() {
    # The scenario stops its own program when it is told to end.
    [ -n "$scenario_pid" ] && kill "$scenario_pid" 2>/dev/null && wait "$scenario_pid"
    exit 130
}
trap cleanup EXIT
trap interrupted INT TERM

start_private_xvfb "$work/display" 1280x1024 "$work/xvfb.log" || { echo "e2e: could not start Xvfb"; exit 1; }
unset WAYLAND_DISPLAY

# The window manager with its stock settings, whatever the user's own are.
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
XDG_CONFIG_HOME="$work/config" openbox >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
    { echo "e2e: openbox did not start"; exit 1; }

echo "e2e: $program on $DISPLAY"
started=$SECONDS
for scenario in tests/e2e/*.sh; do
    name=$(basename "$scenario" .sh)
    [ "$name" == lib ] && continue
    [ -n "${E2E_ONLY:-}" ] && [[ " $E2E_ONLY " != *" $name "* ]] && continue
    echo "--- $name"
    scenario_started=$SECONDS
    # In the background, so that an interrupt is handled at once, not after it.
    E2E_PROGRAM=$program E2E_WORK=$work E2E_RESULTS=$work/results SCENARIO=$name \
        XDG_RUNTIME_DIR=$work/runtime timeout 120 bash "$scenario" &
    scenario_pid=$!
    wait "$scenario_pid"
    status=$?
    scenario_pid=""
    if [ "$status" -ne 0 ]; then
        echo "FAIL: $name: the scenario ended with status $status"
        echo FAIL >>"$work/results"
    fi
    echo "--- $name: $((SECONDS - scenario_started)) s"
done

passed=$(grep -c '^PASS$' "$work/results")
failed=$(grep -c '^FAIL$' "$work/results")
if [ "$failed" -ne 0 ]; then
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- output of $(basename "$log")"; tail -n 20 "$log"; }
    done
fi
echo "e2e: took $((SECONDS - started)) s"
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]

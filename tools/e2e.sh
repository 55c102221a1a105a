#!/usr/bin/env bash
# End-to-end tests: runs the built program on a private X server with a window
# manager and drives it only with synthetic X input, as a user would, reading
# values back through the clipboard. Every scenario in tests/e2e/ gets a fresh
# program. Fails when any check fails.
#   bash tools/e2e.sh [path/to/IKTO-SI/bin/ikto-si]
# Without a path (or IKTO_PROGRAM) it builds the program alone, without the
# tests, in build/ (as tools/run.sh does) and uses build/IKTO-SI.
# E2E_ONLY="speeds closing" runs only the scenarios named; they run in
# E2E_LANES (3) lanes side by side, each on its own X server.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/x-server.sh
ensure_packages xvfb xauth openbox xdotool xclip x11-utils x11-xserver-utils imagemagick || exit 1

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
: >"$work/results"
lanes=${E2E_LANES:-3}
lane_pids=()
cleanup() {
    local lane pid name display
    # Lanes stop their own servers and scenarios their own programs; this
    # catches whatever a killed one left. A number may have passed to another
    # process since: only ours, on our display and by the same name, are stopped.
    for pid in "${lane_pids[@]}"; do kill "$pid" 2>/dev/null; done
    for lane in "$work"/lane*; do
        [ -d "$lane" ] || continue
        display=":$(cat "$lane/display" 2>/dev/null)"
        while read -r pid name; do
            # The process may end between the checks: its environ is then
            # gone, and the redirection's own complaint is silenced too.
            [ "$(ps -o comm= -p "$pid" 2>/dev/null)" == "$name" ] &&
                { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "DISPLAY=$display" &&
                kill "$pid" 2>/dev/null
        done < <(cat "$lane/pids" "$lane/servers" 2>/dev/null)
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The scenarios, the longest first, to be taken one at a time by the lanes.
for scenario in tests/e2e/*.sh; do
    name=$(basename "$scenario" .sh)
    [ "$name" == lib ] && continue
    [ -n "${E2E_ONLY:-}" ] && [[ " $E2E_ONLY " != *" $name "* ]] && continue
    echo "$name"
done | awk '{ print ($0 == "help-window-memory" ? 0 : 1), $0 }' | sort -s -k1,1n | cut -d' ' -f2 >"$work/queue"
next_scenario() {
    (
        flock 9
        local name
        name=$(head -n 1 "$work/queue")
        [ -n "$name" ] || exit 1
        sed -i 1d "$work/queue"
        echo "$name"
    ) 9>"$work/queue.lock"
}

# One lane: a private X server with the window manager, on which it runs
# scenario after scenario, each with a fresh program. Lanes run side by side.
run_lane() {
    local lane=$1 name status scenario_started wm=""
    mkdir -p "$lane/runtime"
    chmod 700 "$lane/runtime"
    : >"$lane/pids"
    xvfb=""
    start_private_xvfb "$lane/display" 1280x1024 "$lane/xvfb.log" || { echo "FAIL" >>"$work/results"; return 1; }
    echo "$xvfb Xvfb" >"$lane/servers"
    # The scenarios' own extra window managers share its settings folder.
    start_window_manager "$lane/config" "$lane/openbox.log"
    status=$?
    # Listed whether or not it came up, so that the clean-up stops it.
    [ -n "$wm" ] && echo "$wm openbox" >>"$lane/servers"
    if [ "$status" -ne 0 ]; then
        echo "FAIL: e2e: no window manager on $DISPLAY, so no scenario runs there"
        echo FAIL >>"$work/results"
    else
        while name=$(next_scenario); do
            scenario_started=$SECONDS
            E2E_PROGRAM=$program E2E_WORK=$lane E2E_RESULTS=$work/results SCENARIO=$name \
                XDG_RUNTIME_DIR=$lane/runtime timeout 150 bash "tests/e2e/$name.sh" >"$lane/$name.out" 2>&1
            status=$?
            if [ "$status" -ne 0 ]; then
                echo "FAIL: $name: the scenario ended with status $status" >>"$lane/$name.out"
                echo FAIL >>"$work/results"
            fi
            # Each scenario's lines together, whatever the other lanes print.
            (
                flock 9
                echo "--- $name (on $DISPLAY)"
                cat "$lane/$name.out"
                echo "--- $name: $((SECONDS - scenario_started)) s"
            ) 9>"$work/print.lock"
        done
    fi
    kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait "$wm" "$xvfb" 2>/dev/null
}

echo "e2e: $program, $lanes lanes"
started=$SECONDS
for n in $(seq "$lanes"); do
    run_lane "$work/lane$n" &
    lane_pids+=($!)
done
wait "${lane_pids[@]}"
lane_pids=()

passed=$(grep -c '^PASS$' "$work/results")
failed=$(grep -c '^FAIL$' "$work/results")
if [ "$failed" -ne 0 ]; then
    for log in "$work"/lane*/*.log; do
        [ -s "$log" ] && { echo "--- output of $(basename "$log")"; tail -n 20 "$log"; }
    done
fi
echo "e2e: took $((SECONDS - started)) s"
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]

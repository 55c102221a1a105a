#!/usr/bin/env bash
# Builds the program and its tests a second time with the address and
# undefined-behaviour sanitizers (build-asan), runs the whole unit and widget
# suite under them, then starts the real program from its bundle on a private
# X server and ends it twice, with Ctrl+Q and with the close box: start-up and
# shut-down must leak nothing and the program must exit with status 0.
# Any sanitizer report fails the run. Leaks inside system libraries that Qt
# keeps to the end of the process are listed in tools/lsan.supp.
#   bash tools/sanitize.sh
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/x-server.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" gcc libx11-dev xvfb xdotool &&
    ensure_locale "$TEST_LOCALE" || exit 1

build=build-asan
sanitizers="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

log=$(mktemp /tmp/ikto-sanitize.XXXXXX)
display_file=$(mktemp /tmp/ikto-sanitize-display.XXXXXX)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -f "$log" "$display_file"
}
trap cleanup EXIT

echo "--- sanitizer build ($build)"
if ! { cmake -S . -B "$build" -DIKTO_BUILD_TESTS=ON -DIKTO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
    -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" &&
    cmake --build "$build" -j"$(nproc)"; } >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "sanitizer build FAILED"
    exit 1
fi

echo "--- unit and widget suite under the sanitizers"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)") || exit 1

echo "--- start-up and shut-down of the real program under the sanitizers"
cc -O2 -std=c11 -Wall -Wextra -Werror bench/MapTimer.c -lX11 -o "$build/MapTimer" || exit 1
start_private_xvfb "$display_file" || exit 1

program="$build/IKTO-SI/bin/ikto-si"
title="IKTO Interim SI Conversion Tool"
failed=0

# The run passes when the program ends with status 0 and says nothing from a sanitizer.
judge() {
    local how=$1 status=$2
    if [ "$status" -ne 0 ] || grep -qE "Sanitizer|runtime error" "$log"; then
        echo "$how: FAILED (exit status $status)"
        cat "$log"
        failed=1
    else
        echo "$how: exit status 0, no sanitizer report"
    fi
}

timeout -s KILL 120 "$program" >"$log" 2>&1 &
app=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
if [ -n "$window" ]; then
    xdotool windowfocus --sync "$window" key ctrl+q
else
    echo "the converter window did not appear"
    kill "$app"
fi
wait "$app"
judge "Ctrl+Q" $?

"$build/MapTimer" -s 300 "$title" "$program" >"$log" 2>&1
judge "close box" $?

[ "$failed" -eq 0 ]

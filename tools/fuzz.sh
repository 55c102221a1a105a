#!/usr/bin/env bash
# Builds the fuzz targets in fuzz/ with clang (libFuzzer with the address and
# undefined-behaviour sanitizers) and runs each for a bounded time from its
# committed seed corpus, in a scratch copy so the repository does not grow.
# Fails on any crash, sanitizer report or failed property, and keeps the
# input that found it for fuzz/corpus/<target>/.
#   bash tools/fuzz.sh            (FUZZ_SECONDS=60 by default, per target)
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang-14 libclang-rt-14-dev || exit 1

targets=(CDblFuzz FormatFuzz SetPropertiesFuzz)
seconds=${FUZZ_SECONDS:-60}
build=build-fuzz

work=$(mktemp -d /tmp/ikto-fuzz.XXXXXX)
keep=0
trap '[ "$keep" -eq 1 ] || rm -rf "$work"' EXIT

if ! { cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DIKTO_WERROR=ON &&
    cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"; } >"$work/build.log" 2>&1; then
    tail -n 40 "$work/build.log"
    echo "fuzz targets: build FAILED"
    exit 1
fi

export QT_QPA_PLATFORM=offscreen
# Odd sizes from fuzzed lists make Qt warn on every run; the warnings are not findings.
export QT_LOGGING_RULES="default.warning=false"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# The targets run side by side, one core each.
for target in "${targets[@]}"; do
    cp -r "fuzz/corpus/$target" "$work/$target-corpus"
    dictionary=()
    [ -f "fuzz/$target.dict" ] && dictionary=(-dict="fuzz/$target.dict")
    (
        "$build/$target" "$work/$target-corpus" "${dictionary[@]}" -max_total_time="$seconds" -timeout=25 \
            -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$work/$target-" >"$work/$target.log" 2>&1
        echo $? >"$work/$target.status"
    ) &
done
wait

failed=0
for target in "${targets[@]}"; do
    status=$(cat "$work/$target.status")
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
    found=$(sed -n 's/^stat::new_units_added: *//p' "$work/$target.log")
    if [ "$status" -eq 0 ]; then
        echo "$target: ${executions:-?} executions in ${seconds} s, ${found:-?} new inputs, no failure"
    else
        failed=1
        keep=1
        echo "$target: FAILED (exit status $status) after ${executions:-?} executions"
        grep -vE '^#[0-9]+|^INFO:|NEW_FUNC|^ *"|Uses:|recommended dictionary' "$work/$target.log" | tail -n 60
        for artifact in "$work/$target-"*; do
            [ -f "$artifact" ] && echo "  input that found it: $artifact (after the fix, add it to fuzz/corpus/$target/)"
        done
    fi
done
[ "$failed" -eq 0 ]

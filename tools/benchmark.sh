#!/usr/bin/env bash
# Measures the program as its users run it, on a private X server (Xvfb, no
# window manager), and prints the median of each figure:
#   - start-up: from the process start to the converter window being mapped,
#     timed from outside by bench/MapTimer (an X client that watches the
#     root window's MapNotify events and starts the program itself);
#   - resident memory (VmRSS) once the window is shown;
#   - one CalcEff and one FuelChoice with their redraws (bench/ConverterBenchmark).
# A benchmark, not a test: it judges nothing.
#   bash tools/benchmark.sh [runs]      (20 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/x-server.sh
ensure_packages "${BUILD_PACKAGES[@]}" gcc libx11-dev libbenchmark-dev xvfb

runs=${1:-20}
build=build-bench
title="IKTO Interim SI Conversion Tool"

cmake -S . -B "$build" -DIKTO_BUILD_TESTS=OFF -DIKTO_BUILD_BENCHMARK=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target ikto-si MapTimer ConverterBenchmark >/dev/null

work=$(mktemp -d /tmp/ikto-benchmark.XXXXXX)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
start_private_xvfb "$work/display"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run first, so that every measured one starts with the files in the page cache.
"$build/bench/MapTimer" "$title" "$build/IKTO-SI/bin/ikto-si" >/dev/null 2>&1
for _ in $(seq "$runs"); do
    "$build/bench/MapTimer" "$title" "$build/IKTO-SI/bin/ikto-si" 2>/dev/null >>"$work/startup"
done
sed -n 's/.*map_ms=\([0-9.]*\).*/\1/p' "$work/startup" >"$work/map"
sed -n 's/.*rss_kb=\([0-9]*\).*/\1/p' "$work/startup" >"$work/rss"
[ "$(wc -l <"$work/map")" -eq "$runs" ] || { echo "only $(wc -l <"$work/map") of $runs runs mapped the window"; exit 1; }

"$build/bench/ConverterBenchmark" --benchmark_repetitions="$runs" --benchmark_min_time=0.2 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null >"$work/conversions"
# The manual time of each benchmark's median repetition, in microseconds.
conversion() { awk -F, -v name="\"$1/manual_time_median\"" '$1 == name { print $3 }' "$work/conversions"; }

echo "medians of $runs runs on Xvfb:"
printf '  start-up to the converter window mapped: %.1f ms\n' "$(median <"$work/map")"
printf '  resident memory once shown:             %.1f MB\n' "$(median <"$work/rss" | awk '{ print $1 / 1024 }')"
printf '  CalcEff with its redraw:                %.0f us\n' "$(conversion CalcEffWithRedraw)"
printf '  FuelChoice with its redraw:             %.0f us\n' "$(conversion FuelChoiceWithRedraw)"

#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests, and runs every
# check: the unit and widget suite, the same suite under the address and
# undefined-behaviour sanitizers, bounded fuzz runs, and the end-to-end tests
# on a real X server. Fails when any of them fails.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" && ensure_locale "$TEST_LOCALE" || exit 1

passed=0
failed=0
run_check() {
    local name=$1
    shift
    echo "=== $name"
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "=== $name FAILED"
        failed=$((failed + 1))
    fi
}

# Warnings are errors in CI, here as in the sanitizer and fuzz builds. ctest
# runs each test in a process of its own; the executable run directly, in a
# shuffled order, shows that no test leans on what another left behind.
unit_suite() {
    cmake -S . -B build-tests -DIKTO_BUILD_TESTS=ON -DIKTO_WERROR=ON >/dev/null &&
        cmake --build build-tests -j"$(nproc)" &&
        (cd build-tests && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)") &&
        QT_QPA_PLATFORM=offscreen timeout 300 build-tests/tests/unit_tests --gtest_shuffle --gtest_brief=1
}

run_check "unit and widget tests" unit_suite
run_check sanitize bash tools/sanitize.sh
run_check fuzz bash tools/fuzz.sh
# The end-to-end tests drive the program the unit suite's build has just made.
run_check e2e bash tools/e2e.sh build-tests/IKTO-SI/bin/ikto-si

echo "checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

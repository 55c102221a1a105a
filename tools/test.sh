#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev
cmake -S . -B build-tests -DIKTO_BUILD_TESTS=ON
cmake --build build-tests -j"$(nproc)"
cd build-tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"

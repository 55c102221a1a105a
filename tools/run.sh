#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -DIKTO_BUILD_TESTS=OFF
cmake --build build --target ikto-si -j"$(nproc)"
exec ./build/IKTO-SI/bin/ikto-si

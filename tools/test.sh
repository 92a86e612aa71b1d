#!/usr/bin/env bash
# Builds everything and runs every test (C++ unit tests, Java tests in a real
# JVM, brenwick under wine). Usage: tools/test.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
jobs="$(nproc 2>/dev/null || echo 2)"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSRTF_WERROR=ON
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" -j "$jobs" --output-on-failure

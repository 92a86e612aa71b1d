#!/usr/bin/env bash
# Builds everything and runs every test: C++ unit tests, Java tests in a real
# JVM, brenwick under wine; then the sanitizer build (AddressSanitizer and
# UndefinedBehaviorSanitizer) runs the C++ tests and the fuzz corpus replay and
# fuzzes each target briefly (tools/test-sanitizers.sh; SRTF_SANITIZERS=0
# skips it). Usage: tools/test.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
jobs="$(nproc 2>/dev/null || echo 2)"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSRTF_WERROR=ON
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" -j "$jobs" --output-on-failure

if [ "${SRTF_SANITIZERS:-1}" != 0 ]; then
  bash tools/test-sanitizers.sh "${build}-sanitize"
fi

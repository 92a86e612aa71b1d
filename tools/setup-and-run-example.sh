#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the example Java client.
# Usage: tools/setup-and-run-example.sh [file.srtf [copy.srtf]]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"
BUILD_DIR="$PWD/build" exec bash tools/run-example.sh "$@"

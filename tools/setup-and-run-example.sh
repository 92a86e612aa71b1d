#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the example Java client.
# Usage: tools/setup-and-run-example.sh [file.srtf]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
exec bash tools/run-example.sh "$@"

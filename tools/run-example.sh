#!/usr/bin/env bash
# Runs the example Java client of the native SRTF library, building the
# library and the Java classes first when needed.
#
#   tools/run-example.sh [input.srtf [copy.srtf]]
#
# Without an input the client reads the sample document
# tests/fixtures/sample/sample.srtf; without a copy path it saves the copy in
# the temporary folder. BUILD_DIR selects the build folder (default: build/ at
# the top of the repository); it is configured when it does not exist yet.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target tolvane tolvane_java -j"$(nproc 2>/dev/null || echo 4)" >/dev/null

java_bin="$(sed -n 's/^Java_JAVA_EXECUTABLE:[A-Z]*=//p' "$build/CMakeCache.txt")"
classes="$build/tolvane/java/classes"
example_classes="$build/tolvane/java/example-classes"

exec "${java_bin:-java}" -Xcheck:jni \
  -Djava.library.path="$build/tolvane" \
  -Dsrtf.root="$root" \
  -cp "$example_classes:$classes" \
  com.veltrane.repository.morlisk.client.example.SrtfExampleClient "$@"

#!/usr/bin/env bash
# Builds tolvane.dll, the library as the 32-bit Windows DLL that a Java client
# on Windows loads, from the same sources as libtolvane.so, with Debian's
# mingw-w64 cross compiler (tools/install-deps.sh installs it), and
# tolvane.jar, the Java classes that go with it. The DLL carries the C++
# runtime inside and needs no DLL beside it but Windows' own.
#
#   tools/build-dll.sh [DIR]        (default build-dll)
#
# Prints the paths of DIR/tolvane.dll and DIR/tolvane.jar.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-dll}"
jobs="$(nproc 2>/dev/null || echo 2)"

if ! command -v i686-w64-mingw32-g++-posix >/dev/null; then
  echo "build-dll.sh: i686-w64-mingw32-g++-posix not found (tools/install-deps.sh installs it)" >&2
  exit 1
fi
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
      -DSRTF_BUILD_TESTS=OFF -DSRTF_WERROR=ON >/dev/null
cmake --build "$dir" -j "$jobs" --target tolvane tolvane_jar >/dev/null
dir="$(cd "$dir" && pwd)"
echo "$dir/tolvane.dll"
echo "$dir/tolvane.jar"

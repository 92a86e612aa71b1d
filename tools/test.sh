#!/usr/bin/env bash
# Builds everything and runs every test: C++ unit tests, Java tests in a real
# JVM, brenwick under wine; then the Windows builds of the library (64-bit
# and 32-bit, BUILD-win64 and BUILD-win32) run their tests under wine
# (SRTF_WINDOWS=0 skips them); then the sanitizer build (AddressSanitizer and
# UndefinedBehaviorSanitizer) runs the C++ tests and the fuzz corpus replay and
# fuzzes each target briefly (tools/test-sanitizers.sh; SRTF_SANITIZERS=0
# skips it). Usage: tools/test.sh [build-dir]
#
# A 32-bit Windows program runs only where the kernel runs 32-bit programs
# (tools/wine-probe.sh); elsewhere its tests are reported as skipped, and the
# same tests run as 64-bit programs in any case.
#
# Every file the tests make lives in one folder of this run ($TMPDIR while it
# runs), removed at the end whatever the outcome; SRTF_KEEP_TEST_FILES=1 keeps
# it for looking at a failure. The run fails when it leaves a new entry in /tmp.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
jobs="$(nproc 2>/dev/null || echo 2)"

tmp_before=$(ls -A /tmp 2>/dev/null | sort)
perf_dir="/tmp/hsperfdata_$(id -un)"
perf_dir_existed=0
[ -e "$perf_dir" ] && perf_dir_existed=1
run_tmp=$(mktemp -d "${TMPDIR:-/tmp}/srtf-test.XXXXXX")
export TMPDIR="$run_tmp"
# The fuzz targets' scratch files: in memory where it can be (it is rewritten
# for every input), in a folder of this run either way.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export SRTF_FUZZ_TMPDIR=$(mktemp -d /dev/shm/srtf-test.XXXXXX)
else
  export SRTF_FUZZ_TMPDIR="$run_tmp"
fi
finish() {
  local status=$?
  if [ -n "${SRTF_KEEP_TEST_FILES:-}" ] && [ "${SRTF_KEEP_TEST_FILES}" != 0 ]; then
    echo "test files kept in $run_tmp"
  else
    rm -rf "$run_tmp"
  fi
  if [ "$SRTF_FUZZ_TMPDIR" != "$run_tmp" ]; then rm -rf "$SRTF_FUZZ_TMPDIR"; fi
  # Every JVM (javac and CMake's probe of java included) makes this folder
  # for its performance counters and leaves it behind.
  if [ "$perf_dir_existed" = 0 ] && [ -d "$perf_dir" ]; then rmdir "$perf_dir" 2>/dev/null || true; fi
  # (A compiler run elsewhere may have a file there for a moment: look twice.)
  local new
  new=$(comm -13 <(echo "$tmp_before") <(ls -A /tmp 2>/dev/null | sort) | grep -vxF "${run_tmp##*/}" || true)
  if [ -n "$new" ]; then
    sleep 3
    new=$(comm -13 <(echo "$tmp_before") <(ls -A /tmp 2>/dev/null | sort) | grep -vxF "${run_tmp##*/}" || true)
  fi
  if [ -n "$new" ]; then
    echo "test.sh: the run left new entries in /tmp:" >&2
    echo "$new" | sed 's|^|  /tmp/|' >&2
    [ $status -eq 0 ] && status=1
  fi
  exit $status
}
trap finish EXIT

# What wine can run here decides which Windows programs the wine tests start.
bash tools/wine-probe.sh

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSRTF_WERROR=ON
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" -j "$jobs" --output-on-failure

if [ "${SRTF_WINDOWS:-1}" != 0 ]; then
  for target in x86_64:win64 i686:win32; do
    winbuild="${build}-${target#*:}"
    cmake -S . -B "$winbuild" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-${target%%:*}.cmake" \
          -DCMAKE_BUILD_TYPE=Release -DSRTF_WERROR=ON
    cmake --build "$winbuild" -j "$jobs"
    ctest --test-dir "$winbuild" -j "$jobs" --output-on-failure
  done
fi

if [ "${SRTF_SANITIZERS:-1}" != 0 ]; then
  bash tools/test-sanitizers.sh "${build}-sanitize"
fi

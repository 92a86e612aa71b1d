#!/usr/bin/env bash
# Builds everything and runs every test: C++ unit tests, Java tests in a real
# JVM, brenwick under wine; then the Windows builds of the library (64-bit
# and 32-bit, BUILD-win64 and BUILD-win32) run their tests under wine
# (SRTF_WINDOWS=0 skips them); then the sanitizer build (AddressSanitizer and
# UndefinedBehaviorSanitizer) runs the C++ tests and the fuzz corpus replay and
# fuzzes each target briefly (tools/test-sanitizers.sh; SRTF_SANITIZERS=0
# skips it). Usage: tools/test.sh [build-dir]
#
# A 32-bit Windows program is skipped only where the kernel refuses 32-bit
# programs (tools/wine-probe.sh), and the same tests run as 64-bit programs in
# any case; where wine or its 32-bit loader is missing, the Windows tests fail
# and name the fix (tools/install-deps.sh).
#
# Every file the tests make lives in one folder of this run ($TMPDIR while it
# runs), removed at the end whatever the outcome; SRTF_KEEP_TEST_FILES=1 keeps
# it for looking at a failure. The run has a /tmp of its own where this
# machine gives one (tools/own-tmp.sh: as root, or in a user namespace), so
# that other programs' files there neither disturb it nor count against it;
# the run fails when it leaves anything in that /tmp. Where no private /tmp
# can be had, new entries in the shared /tmp are listed but fail the run only
# in CI (CI=true), since other programs may have made them.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${SRTF_OWN_TMP:-}" != 1 ]; then
  if bash tools/own-tmp.sh --check; then
    exec bash tools/own-tmp.sh --keep "${1:-build}" bash tools/test.sh "$@"
  fi
  echo "test.sh: no private /tmp here (no mount namespace for this user): new entries in /tmp are" \
       "listed at the end$([ "${CI:-}" = true ] && echo ", and fail the run in CI" || echo ", not counted")"
fi
build="${1:-build}"
jobs="$(nproc 2>/dev/null || echo 2)"

# What may stand in /tmp when the run ends, besides what stood there before:
# the top folders of this work tree and of the build folder where they lie
# below /tmp (own-tmp.sh binds them in), and the folder of performance
# counters that every JVM makes.
perf_dir="hsperfdata_$(id -un)"
allowed=("$perf_dir")
for dir in "$(pwd -P)" "$(realpath -m "$build")"; do
  case "$dir/" in /tmp/*) rel=${dir#/tmp/}; allowed+=("${rel%%/*}") ;; esac
done
tmp_before=$(ls -A /tmp 2>/dev/null | sort)
perf_dir_existed=0
[ -e "/tmp/$perf_dir" ] && perf_dir_existed=1
if [ "${SRTF_OWN_TMP:-}" = 1 ]; then
  run_tmp=$(mktemp -d /tmp/srtf-test.XXXXXX)
else
  run_tmp=$(mktemp -d "${TMPDIR:-/tmp}/srtf-test.XXXXXX")
fi
allowed+=("${run_tmp##*/}")
export TMPDIR="$run_tmp"
# The fuzz targets' scratch files: in memory where it can be (it is rewritten
# for every input), in a folder of this run either way.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export SRTF_FUZZ_TMPDIR=$(mktemp -d /dev/shm/srtf-test.XXXXXX)
else
  export SRTF_FUZZ_TMPDIR="$run_tmp"
fi
# The entries of /tmp that were not there before and are not allowed.
new_in_tmp() {
  comm -13 <(echo "$tmp_before") <(ls -A /tmp 2>/dev/null | sort) |
    grep -vxF -f <(printf '%s\n' "${allowed[@]}") || true
}
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
  if [ "$perf_dir_existed" = 0 ] && [ -d "/tmp/$perf_dir" ]; then rmdir "/tmp/$perf_dir" 2>/dev/null || true; fi
  local new
  new=$(new_in_tmp)
  if [ -n "$new" ] && [ "${SRTF_OWN_TMP:-}" = 1 ]; then
    echo "test.sh: the run left entries in its /tmp:" >&2
    echo "$new" | sed 's|^|  /tmp/|' >&2
    [ $status -eq 0 ] && status=1
  elif [ -n "$new" ]; then
    # (A compiler run elsewhere may have a file there for a moment: look twice.)
    sleep 3
    new=$(new_in_tmp)
    if [ -n "$new" ]; then
      echo "test.sh: new entries in /tmp since the run began (this run's or other programs'):" >&2
      echo "$new" | sed 's|^|  /tmp/|' >&2
      if [ "${CI:-}" = true ] && [ $status -eq 0 ]; then status=1; fi
    fi
  fi
  exit $status
}
trap finish EXIT

# What wine can run here decides which Windows programs the wine tests start.
bash tools/wine-probe.sh

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSRTF_WERROR=ON
cmake --build "$build" -j "$jobs"
# SRTF_WINDOWS=0 leaves out every Windows test, brenwick's under wine too.
windows_tests=()
[ "${SRTF_WINDOWS:-1}" = 0 ] && windows_tests=(-LE wine)
ctest --test-dir "$build" -j "$jobs" --output-on-failure "${windows_tests[@]}"

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

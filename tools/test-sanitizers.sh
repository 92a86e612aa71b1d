#!/usr/bin/env bash
# The sanitizer build: everything compiled with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (-DSRTF_SANITIZE=ON), with the fuzz targets
# (-DSRTF_FUZZ=ON). Runs the C++ tests and the replay of the fuzz corpus and
# crashers under the sanitizers, then fuzzes each target briefly. Any
# sanitizer report, broken fuzz property or fault fails the run.
#
# Usage: tools/test-sanitizers.sh [build-dir]     (default build-sanitize)
# Environment:
#   SRTF_FUZZ_SECONDS  fuzzing time per target, the targets running side by
#                      side (default 40; 0 skips fuzzing)
#   SRTF_SANITIZE_JAVA the Java tests (label java) against the sanitized JNI
#                      library, the ASan runtime preloaded into the JVM: 1
#                      (default) runs them, 0 leaves them to tools/test.sh
#
# Inputs that found a fault are left in BUILD/fuzz-ci/<target>/artifacts;
# see fuzz/README.md for minimising one and adding it to fuzz/crashers.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-sanitize}"
jobs="$(nproc 2>/dev/null || echo 2)"
seconds="${SRTF_FUZZ_SECONDS:-40}"

# Every report ends the process with an error; leaks are reported at exit.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
symbolizer=$(command -v llvm-symbolizer || ls /usr/lib/llvm-*/bin/llvm-symbolizer 2>/dev/null | head -1 || true)
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH="$symbolizer"

start=$SECONDS
cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSRTF_SANITIZE=ON -DSRTF_FUZZ=ON
cmake --build "$build" -j "$jobs"
echo "sanitizer build: $((SECONDS - start))s"

# The replay tests are what the fuzz step builds on: without them the root
# project has not added fuzz/.
if [ ! -x "$build/fuzz/srtf_fuzz_reader_replay" ]; then
  echo "test-sanitizers.sh: $build/fuzz was not built (SRTF_FUZZ not known to the root CMakeLists.txt?)" >&2
  exit 1
fi

start=$SECONDS
# The Java tests need the ASan runtime preloaded (below); the wine test runs
# a Windows program, which tools/test.sh covers.
ctest --test-dir "$build" -j "$jobs" --output-on-failure -LE 'java|wine'
echo "sanitizer tests (C++ and fuzz replay): $((SECONDS - start))s"

if [ "${SRTF_SANITIZE_JAVA:-1}" = 1 ]; then
  start=$SECONDS
  # The JVM is not instrumented: the ASan runtime is preloaded, and the JVM's
  # own use of SIGSEGV and its unfreed memory at exit are not reported.
  runtime=$(clang++ -print-file-name=libclang_rt.asan-x86_64.so)
  LD_PRELOAD="$runtime" \
  ASAN_OPTIONS="handle_segv=0:allow_user_segv_handler=1:detect_leaks=0:halt_on_error=1:use_sigaltstack=0" \
    ctest --test-dir "$build" -j "$jobs" --output-on-failure -L java
  echo "sanitized Java tests: $((SECONDS - start))s"
fi

if [ "$seconds" -gt 0 ]; then
  start=$SECONDS
  pids=()
  targets=(reader keyvalue fields)
  for t in "${targets[@]}"; do
    dir="$build/fuzz-ci/$t"
    rm -rf "$dir"
    mkdir -p "$dir/corpus" "$dir/artifacts"
    max_len=2048
    [ "$t" = reader ] && max_len=8192
    "$build/fuzz/srtf_fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$max_len" -dict="$build/fuzz/srtf.dict" -artifact_prefix="$dir/artifacts/" \
        -print_final_stats=1 "$dir/corpus" "fuzz/corpus/$t" "fuzz/crashers/$t" "$build/fuzz/seeds/$t" \
        >"$dir/log" 2>&1 &
    pids+=($!)
  done
  status=0
  for i in "${!targets[@]}"; do
    t=${targets[$i]}
    if wait "${pids[$i]}"; then
      runs=$(grep -oE 'number_of_executed_units: *[0-9]+' "$build/fuzz-ci/$t/log" | grep -oE '[0-9]+$' || true)
      echo "fuzz $t: ${runs:-?} executions, no fault"
    else
      status=1
      echo "fuzz $t: FAULT (log and input in $build/fuzz-ci/$t)" >&2
      grep -v -E '^(#[0-9]+|INFO:|MS:|Dictionary:|Done |stat::|\s*$)' "$build/fuzz-ci/$t/log" | tail -80 >&2
    fi
  done
  echo "fuzz step: $((SECONDS - start))s"
  exit $status
fi

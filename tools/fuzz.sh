#!/usr/bin/env bash
# Builds the fuzz targets with clang (fuzz/ on its own) and fuzzes them, all
# targets at once, each for the given time.
#
# Usage: tools/fuzz.sh [-t SECONDS] [-w WORKERS] [-b BUILD_DIR] [TARGET...]
#   -t SECONDS   fuzzing time per target (default 600)
#   -w WORKERS   processes per target (default 1)
#   -b BUILD_DIR build directory (default build-fuzz)
#   TARGET       reader, keyvalue, fields (default: all three)
#
# The committed corpus fuzz/corpus/<target> and the seeds that the build
# makes from the section kinds are read, never written; inputs
# that add coverage go to BUILD_DIR/fuzz-run/<target>/corpus and are kept
# between runs. Inputs that found a fault go to
# BUILD_DIR/fuzz-run/<target>/artifacts (crash-*, leak-*, timeout-*, oom-*),
# the fuzzer's output to BUILD_DIR/fuzz-run/<target>/log. Exit status 1 when
# any target found a fault.
#
# A fault, once understood: minimise it (see fuzz/README.md) and add it to
# fuzz/crashers/<target>/, where the tests replay it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=600
workers=1
build=build-fuzz
while getopts "t:w:b:h" opt; do
  case $opt in
    t) seconds=$OPTARG ;;
    w) workers=$OPTARG ;;
    b) build=$OPTARG ;;
    *) sed -n '2,20p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(reader keyvalue fields)

max_len() {
  case $1 in
    reader) echo 8192 ;;  # whole files: several read chunks and sections
    *) echo 2048 ;;
  esac
}

jobs="$(nproc 2>/dev/null || echo 2)"
mkdir -p "$build"
if ! { cmake -S fuzz -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
             -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build "$build" -j "$jobs"; } >"$build/fuzz-build.log" 2>&1; then
  tail -40 "$build/fuzz-build.log" >&2
  echo "fuzz.sh: the build failed (whole output: $build/fuzz-build.log)" >&2
  exit 2
fi
for t in "${targets[@]}"; do
  if [ ! -x "$build/srtf_fuzz_$t" ]; then
    echo "fuzz.sh: no libFuzzer executable srtf_fuzz_$t (unknown target, or clang without libFuzzer)" >&2
    exit 2
  fi
done

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
symbolizer=$(command -v llvm-symbolizer || ls /usr/lib/llvm-*/bin/llvm-symbolizer 2>/dev/null | head -1 || true)
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH="$symbolizer"

run_dir="$build/fuzz-run"
pids=()
for t in "${targets[@]}"; do
  dir="$run_dir/$t"
  mkdir -p "$dir/corpus" "$dir/artifacts"
  # Fork mode: the workers share the corpus, and the run goes on after a
  # fault so that the whole time is used.
  "$build/srtf_fuzz_$t" -fork="$workers" -ignore_crashes=1 \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$t")" \
      -dict="$build/srtf.dict" -artifact_prefix="$dir/artifacts/" \
      "$dir/corpus" "fuzz/corpus/$t" "fuzz/crashers/$t" "$build/seeds/$t" >"$dir/log" 2>&1 &
  pids+=($!)
  echo "fuzzing $t for ${seconds}s with $workers worker(s); log: $dir/log"
done
for p in "${pids[@]}"; do wait "$p" || true; done

status=0
printf '\n%-10s %14s %8s %10s\n' target executions faults corpus
for t in "${targets[@]}"; do
  dir="$run_dir/$t"
  execs=$(grep -oE '^#[0-9]+' "$dir/log" | tail -1 | tr -d '#')
  faults=$(find "$dir/artifacts" -type f | wc -l)
  corpus=$(find "$dir/corpus" -type f | wc -l)
  printf '%-10s %14s %8s %10s\n' "$t" "${execs:-?}" "$faults" "$corpus"
  if [ "$faults" -gt 0 ]; then
    status=1
    find "$dir/artifacts" -type f | sed 's/^/    /'
  fi
done
exit $status

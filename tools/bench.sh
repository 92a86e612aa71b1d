#!/usr/bin/env bash
# Builds the benchmarks (Release) and prints one table of ratios: each cost
# against its baseline measured in the same run, per document size.
#
#   tools/bench.sh [--sizes 1,10,50,200] [--repetitions N] [--build DIR]
#
# Documents are generated once into $SRTF_BENCH_DATA (default /tmp/srtf-bench)
# and reused; delete that directory to regenerate. Needs libbenchmark-dev; the
# Java walk also needs the JNI library (tolvane) and a JDK. Takes a few
# minutes with the default sizes. Not part of tools/test.sh: benchmarks time
# things, tests never do.
set -euo pipefail
cd "$(dirname "$0")/.."

sizes="1,10,50,200"
reps=3
build="build-bench"
while [ $# -gt 0 ]; do
  case "$1" in
    --sizes) sizes="$2"; shift 2 ;;
    --repetitions) reps="$2"; shift 2 ;;
    --build) build="$2"; shift 2 ;;
    -h|--help) sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "bench.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done

# Sizes in the form the programs print them (1.0 -> 1), so that results join.
sizes="$(echo "$sizes" | awk -F, '{ for (i = 1; i <= NF; i++) printf "%s%g", (i > 1 ? "," : ""), $i }')"
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=(srtf_docgen srtf_bench srtf_bench_memory)
# (the list is captured first: grep -q closing a pipe early would fail it under pipefail)
available="$(cmake --build "$build" --target help 2>/dev/null || true)"
if grep -q srtf_bench_walk <<<"$available"; then
  targets+=(tolvane tolvane_java srtf_bench_walk)
fi
cmake --build "$build" -j "$jobs" --target "${targets[@]}" >/dev/null
bin="$build/bench"
if [ ! -x "$bin/srtf_bench" ]; then
  echo "bench.sh: benchmarks not built (is libbenchmark-dev installed?)" >&2
  exit 1
fi

export SRTF_BENCH_DATA="${SRTF_BENCH_DATA:-/tmp/srtf-bench}"
mkdir -p "$SRTF_BENCH_DATA"
results="$(mktemp)"
trap 'rm -f "$results"' EXIT

# The generator writes exactly what the writer writes: reading and saving a
# generated document must reproduce it, or the figures below mean nothing.
echo "== generator check" >&2
"$bin/srtf_docgen" --check 2 1 "$SRTF_BENCH_DATA" >&2

echo "== read and save (Google Benchmark, $reps repetitions)" >&2
"$bin/srtf_bench" --sizes="$sizes" --summary="$results.rs" \
  --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true >&2
cat "$results.rs" >> "$results"
rm -f "$results.rs"

echo "== memory of a read document" >&2
for mb in ${sizes//,/ }; do
  doc="$SRTF_BENCH_DATA/srtf-bench-${mb}mb.srtf"
  "$bin/srtf_bench_memory" "$doc" "$mb" | tee -a "$results" >&2
done

if [ -x "$bin/walk/run-walk.sh" ]; then
  echo "== Java walk against a minimal native loop" >&2
  for mb in ${sizes//,/ }; do
    doc="$SRTF_BENCH_DATA/srtf-bench-${mb}mb.srtf"
    "$bin/walk/run-walk.sh" "$doc" "$mb" | tee -a "$results" >&2
  done
else
  echo "== Java walk skipped (JNI library or JDK not built)" >&2
fi

# One table: rows are sizes, columns the ratios; then the cost per byte (or
# per walk step) of each size against the smallest, which stays near 1 when
# the cost grows linearly.
awk -F'\t' -v sizes="$sizes" '
  $1 == "read"   { r[$2] = $6; rn[$2] = $7 }
  $1 == "save"   { s[$2] = $6; sn[$2] = $7 }
  $1 == "memory" { m[$2] = $7 }
  $1 == "walk"   { w[$2] = $7; wn[$2] = $8 }
  function cell(a, k) { return (k in a) ? a[k] : "-" }
  function judged(a, k, target) { return !(k in a) ? "-" : (a[k] + 0 > target ? a[k] " !" : a[k] "  ") }
  function grow(a, k, first) { return ((k in a) && (first in a) && a[first] > 0) ? sprintf("%.2f", a[k] / a[first]) : "-" }
  END {
    n = split(sizes, z, ",")
    printf "\n%-8s %12s %12s %12s %12s\n", "size MB", "read/scan", "save/fwrite", "memory/file", "walk/native"
    printf "%-8s %12s %12s %12s %12s\n", "target", "<= 4  ", "<= 3  ", "<= 3  ", "<= 2  "
    for (i = 1; i <= n; i++)
      printf "%-8s %12s %12s %12s %12s\n", z[i], judged(r, z[i], 4), judged(s, z[i], 3), judged(m, z[i], 3), judged(w, z[i], 2)
    printf "(! above target)\n"
    printf "\ngrowth: cost per byte (walk: per step) against the %s MB document\n", z[1]
    printf "%-8s %12s %12s %12s\n", "size MB", "read", "save", "walk"
    for (i = 1; i <= n; i++)
      printf "%-8s %12s %12s %12s\n", z[i], grow(rn, z[i], z[1]), grow(sn, z[i], z[1]), grow(wn, z[i], z[1])
    printf "\nabsolute: read %s ns/byte, save %s ns/byte, walk %s ns/step (largest document)\n", cell(rn, z[n]), cell(sn, z[n]), cell(wn, z[n])
  }' "$results"

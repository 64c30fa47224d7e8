#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build-fuzz/ and
# runs each for a bounded time from its seeds (fuzz/seeds/<target> and the test
# fixtures of its format) and the corpus it grew before
# (build-fuzz/fuzz-corpus/<target>). Installs what is missing. A crash, timeout,
# leak or sanitizer report fails the run; its input is left in build-fuzz/ as
# crash-*, timeout-*, leak-* or oom-*.
# usage: fuzz/run.sh [SECONDS_PER_TARGET]   (default 30)
# FUZZ_RUNS=N runs each target for N executions instead of a time.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET=${1:-30}
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}
TARGETS=()
for source in fuzz/fuzz_*.cpp; do
  TARGETS+=("$(basename "$source" .cpp)")
done

EXTRA_PACKAGES="clang libclang-rt-14-dev llvm-14" BUILD_DIR=$BUILD BUILD_TARGETS="${TARGETS[*]}" \
  CMAKE_ARGS="-DCMAKE_CXX_COMPILER=clang++ -DKVN_FUZZ=ON -DKVN_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo" \
  bash scripts/setup.sh

# Reports with function names and lines.
symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
if [ -x "$symbolizer" ]; then export ASAN_SYMBOLIZER_PATH=$symbolizer; fi
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

if [ -n "${FUZZ_RUNS:-}" ]; then
  limit=(-runs="$FUZZ_RUNS")
else
  limit=(-max_total_time="$SECONDS_PER_TARGET")
fi
# The seed directories of a target: its own, and for the readers the test
# fixtures and examples of their format.
seeds() {
  if [ -d "fuzz/seeds/$1" ]; then echo "fuzz/seeds/$1"; fi
  case $1 in
    fuzz_tsreader) echo tests/data/ts examples ;;
    fuzz_poreader) echo tests/data/po examples ;;
  esac
}
status=0
for name in "${TARGETS[@]}"; do
  corpus="$BUILD/fuzz-corpus/$name"
  mkdir -p "$corpus"
  log="$BUILD/$name.log"
  if "$BUILD/fuzz/$name" "${limit[@]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$BUILD/" "$corpus" $(seeds "$name") >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "$name: $result, ${runs:-?} executions (${speed:-?}/s), corpus $(ls "$corpus" | wc -l) inputs"
  if [ "$result" = FAILED ]; then
    grep -E "^(==[0-9]+==ERROR|SUMMARY|.*runtime error|artifact_prefix|Test unit written)" "$log" || true
    tail -n 60 "$log"
  fi
done
exit $status

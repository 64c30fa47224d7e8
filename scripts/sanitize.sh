#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole ctest suite there (the window's tests offscreen).
# Any sanitizer report fails the test that triggered it. Installs what is missing.
#
# scripts/sanitize.sh thread [PATH...]: builds kvn with ThreadSanitizer into
# build-tsan/ and checks the given paths (default: the in-repo corpus and
# ../shared/corpus when present) on four threads, then runs the reader test that
# checks every test file in small batches on three threads; any report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = thread ]; then
  shift
  BUILD_DIR=${TSAN_BUILD_DIR:-build-tsan}
  BUILD_DIR=$BUILD_DIR CMAKE_ARGS="-DKVN_TSAN=ON -DKVN_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo" \
    BUILD_TARGETS="kvn tst_readers" bash scripts/setup.sh
  paths=("$@")
  if [ ${#paths[@]} -eq 0 ]; then
    paths=(tests/data/corpus)
    [ -d ../shared/corpus ] && paths+=(../shared/corpus)
  fi
  export TSAN_OPTIONS="halt_on_error=1:exitcode=66${TSAN_OPTIONS:+:$TSAN_OPTIONS}"
  for path in "${paths[@]}"; do
    status=0
    "$BUILD_DIR/cli/kvn" check --settings bench/all-checks.ini --jobs 4 --format json "$path" \
      >/dev/null 2>"$BUILD_DIR/tsan.log" || status=$?
    if [ "$status" -eq 66 ] || grep -q "ThreadSanitizer" "$BUILD_DIR/tsan.log"; then
      cat "$BUILD_DIR/tsan.log" >&2
      echo "ThreadSanitizer: a report on $path" >&2
      exit 1
    fi
    echo "ThreadSanitizer: $path clean (kvn exit status $status)"
  done
  if ! QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tests/tst_readers" batchesOnThreads \
    >"$BUILD_DIR/tsan.log" 2>&1; then
    cat "$BUILD_DIR/tsan.log" >&2
    echo "ThreadSanitizer: a report or a failure in tst_readers batchesOnThreads" >&2
    exit 1
  fi
  echo "ThreadSanitizer: tst_readers batchesOnThreads clean"
  exit 0
fi
BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}
# -O0 builds fastest; the suite runs fast enough under it.
BUILD_DIR=$BUILD_DIR CMAKE_ARGS="-DKVN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug" bash scripts/setup.sh
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"

#!/usr/bin/env bash
# The habits CI enforces besides -Werror: every C++ file formatted with the project's
# .clang-format, and no function of the program longer than 80 lines (clang-tidy's
# readability-function-size over build/compile_commands.json; scripts/test.sh builds it).
# usage: scripts/check-style.sh [format|size]    both when no argument is given
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
what=${1:-all}
status=0
if [ "$what" != size ]; then
  if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; then
    echo "Not formatted: run clang-format -i on the files above." >&2
    status=1
  fi
fi
if [ "$what" != format ]; then
  [ -f "$BUILD_DIR/compile_commands.json" ] || { echo "no $BUILD_DIR/compile_commands.json" >&2; exit 2; }
  # The program's own sources; tests, fuzzers and benchmarks are exempt.
  mapfile -t sources < <(git ls-files '*.cpp' | grep -vE '^(tests|fuzz|bench)/')
  report=$(printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$BUILD_DIR" --quiet \
    -checks='-*,readability-function-size' \
    -config='{CheckOptions: [{key: readability-function-size.LineThreshold, value: 80}]}' \
    2>/dev/null | grep -A1 'warning:' || true)
  if [ -n "$report" ]; then
    echo "$report"
    echo "Functions over 80 lines: split them." >&2
    status=1
  fi
fi
exit $status

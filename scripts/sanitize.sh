#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole ctest suite there (the window's tests offscreen).
# Any sanitizer report fails the test that triggered it. Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}
# -O0 builds fastest; the suite runs fast enough under it.
BUILD_DIR=$BUILD_DIR CMAKE_ARGS="-DKVN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug" bash scripts/setup.sh
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"

#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test
# through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
CMAKE_ARGS="-DKVN_WERROR=ON ${CMAKE_ARGS:-}" bash scripts/setup.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"

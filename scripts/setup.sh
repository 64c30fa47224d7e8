#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root or with sudo), then configures
# and builds into build/. A second run skips what is installed and built already.
# BUILD_DIR, CMAKE_ARGS (configure options), EXTRA_PACKAGES and BUILD_TARGETS
# let the sanitizer and fuzz scripts reuse it.
set -euo pipefail
cd "$(dirname "$0")/.."

# clang-format and clang-tidy: scripts/check-style.sh; libjemalloc-dev: the programs'
# allocator. The third line: what the install, package and validation tests use.
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
          qt6-translations-l10n fonts-dejavu-core clang-format clang-tidy libjemalloc-dev
          desktop-file-utils appstream man-db groff-base dpkg-dev file python3-jsonschema
          ${EXTRA_PACKAGES:-})
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

BUILD_DIR=${BUILD_DIR:-build}
# CMAKE_ARGS also reconfigure a configured build (scripts/test.sh turns on -Werror).
if [ ! -f "$BUILD_DIR/build.ninja" ] || [ -n "${CMAKE_ARGS:-}" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja ${CMAKE_ARGS:-}
fi
# BUILD_TARGETS: only these targets (default: all).
cmake --build "$BUILD_DIR" -j "$(nproc)" ${BUILD_TARGETS:+--target $BUILD_TARGETS}

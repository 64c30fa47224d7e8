#!/usr/bin/env bash
# Installs what is missing, builds, and starts Korvane. Without a display it runs
# the command line kvn on the bundled example instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
BUILD_DIR=${BUILD_DIR:-build}
if [ -x "$BUILD_DIR/app/korvane" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$BUILD_DIR/app/korvane" "$@"
fi
echo "No display found (or no window built): running kvn on the bundled example instead." >&2
if [ -f examples/example.ts ]; then
  "$BUILD_DIR/cli/kvn" check examples/example.ts || true
else
  "$BUILD_DIR/cli/kvn" --version
fi

#!/usr/bin/env bash
# Rewrites the golden tables in tests/data/golden (see tests/tst_golden.cpp): for the
# repository's corpus (local*.tsv) and, when present, the shared one (corpus*.tsv), the
# exit status, size and SHA-256 of every output of kvn check and the report's finding
# counts per file and check. Run it only when a change of the output is intended, and
# commit the tables with that change; `git diff tests/data/golden/*-counts.tsv` shows it.
#
# usage: bench/update_golden.sh [OUTPUT_DIR]     OUTPUT_DIR also keeps the normalised outputs
#        KVN_CORPUS=DIR bench/update_golden.sh    a shared corpus elsewhere than ../shared/corpus
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
export KVN_CORPUS=${KVN_CORPUS:-$ROOT/../shared/corpus}
[ -d "$KVN_CORPUS" ] || echo "no shared corpus at $KVN_CORPUS: its tables stay as they are" >&2
cmake --build "$BUILD_DIR" --target tst_golden kvn
if [ $# -ge 1 ]; then
  mkdir -p "$1"
  export KVN_GOLDEN_OUTPUT_DIR=$(cd "$1" && pwd)
fi
HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT
export HOME XDG_CONFIG_HOME=$HOME/.config KVN_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
"$BUILD_DIR/tests/tst_golden" -silent
git -C "$ROOT" diff --stat -- tests/data/golden

#!/usr/bin/env bash
# Rewrites tests/data/golden/corpus.tsv: the exit status, size and SHA-256 of every
# golden output of kvn check over the corpus (see tests/tst_golden.cpp). Run it only
# when a change of the report is intended, and commit the table with that change.
#
# usage: bench/update_golden.sh [OUTPUT_DIR]     OUTPUT_DIR also keeps the normalised outputs
#        KVN_CORPUS=DIR bench/update_golden.sh    a corpus elsewhere than ../shared/corpus
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
export KVN_CORPUS=${KVN_CORPUS:-$ROOT/../shared/corpus}
[ -d "$KVN_CORPUS" ] || { echo "no corpus at $KVN_CORPUS (set KVN_CORPUS)" >&2; exit 2; }
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

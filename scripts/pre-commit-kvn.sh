#!/usr/bin/env bash
# The pre-commit hook: one `kvn check --split file` over the catalogues it is
# given, each checked on its own. The arguments ending in .ts, .po or .pot are
# the staged files; the others (the hook's `args`) go to kvn before them, so
# they can also change --split. A .ts file that is not a Qt Linguist file (a
# TypeScript source) is left out. Exit status as kvn's: 0 clean, 1 findings,
# 2 a file that could not be read.
# KVN names the program when it is not `kvn` on the PATH.
set -uo pipefail
kvn=${KVN:-kvn}
options=()
files=()
for argument in "$@"; do
  case $argument in
    *.ts)
      if [ -f "$argument" ]; then
        head -c 1024 "$argument" | grep -qE '<TS[ >]|<!DOCTYPE TS' && files+=("$argument")
      else
        options+=("$argument")
      fi
      ;;
    *.po | *.pot) [ -f "$argument" ] && files+=("$argument") || options+=("$argument") ;;
    *) options+=("$argument") ;;
  esac
done
[ ${#files[@]} -gt 0 ] || exit 0
exec "$kvn" check --split file "${options[@]}" "${files[@]}"

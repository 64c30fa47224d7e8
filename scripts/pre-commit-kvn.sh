#!/usr/bin/env bash
# The pre-commit hook: runs `kvn check` on each catalogue it is given. The
# arguments ending in .ts, .po or .pot are the staged files; the others (the
# hook's `args`) are passed to every run. A .ts file that is not a Qt Linguist
# file (a TypeScript source) is skipped. The exit status is the worst of the
# runs: 0 clean, 1 findings, 2 a file that could not be read.
# KVN names the program when it is not `kvn` on the PATH.
set -uo pipefail
kvn=${KVN:-kvn}
options=()
files=()
for argument in "$@"; do
  case $argument in
    *.ts | *.po | *.pot) [ -f "$argument" ] && files+=("$argument") || options+=("$argument") ;;
    *) options+=("$argument") ;;
  esac
done
worst=0
for file in "${files[@]}"; do
  if [[ $file == *.ts ]] && ! head -c 1024 "$file" | grep -qE '<TS[ >]|<!DOCTYPE TS'; then
    continue
  fi
  status=0
  "$kvn" check "${options[@]}" "$file" || status=$?
  [ "$status" -gt "$worst" ] && worst=$status
done
exit "$worst"

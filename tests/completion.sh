#!/usr/bin/env bash
# Runs the bash completion of kvn as bash would on a few command lines, against
# the built kvn, and compares the offered words.
# usage: completion.sh COMPLETION_SCRIPT KVN
set -uo pipefail
script=$1 kvn=$2
# shellcheck source=/dev/null
source "$script" || exit 1
failed=0

# complete PROGRAM WORD... : the words offered for the last WORD.
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _kvn
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}
expect() { # EXPECTED WORD...
  local expected=$1 got
  shift
  got=$(complete_words "$@")
  if [ "$got" != "$expected" ]; then
    echo "FAIL: '$*' offered '$got', expected '$expected'"
    failed=1
  fi
}
expect_some() { # A WORD THAT MUST BE OFFERED, WORD...
  local word=$1 got
  shift
  got=" $(complete_words "$@") "
  if [[ $got != *" $word "* ]]; then
    echo "FAIL: '$*' offered '$got' without '$word'"
    failed=1
  fi
}

expect "check checks" "$kvn" ch
expect "file" "$kvn" check --split f
expect "all" "$kvn" check --profile al
expect_some merge "$kvn" ""
expect "--verbose --version" "$kvn" --ver
expect "--tab" "$kvn" check --ta
expect "ST1 ST10 ST11" "$kvn" check --tab ST1
# bash splits --tab=ST2 at the "=".
expect "ST2 ST20 ST21 ST22" "$kvn" --verbose check --tab = ST2
expect_some json "$kvn" check --format ""

# Lists of check ids and groups.
expect "T1.1 T1.1b" "$kvn" check --only T1.1
expect "S3,T8 S3,T8.1 S3,T8.2 S3,T8.3 S3,T8.4" "$kvn" check --disable S3,T8
exit $failed

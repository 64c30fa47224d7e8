#!/usr/bin/env bash
# Validates the files an installation adds for the desktop and the manual:
# the desktop entry, the AppStream metadata and the manual pages. Any error or
# warning of the validators fails.
# usage: validate_metadata.sh DESKTOP_FILE METAINFO_FILE MAN_PAGE...
set -uo pipefail
desktop=$1 metainfo=$2
shift 2
failed=0
for tool in desktop-file-validate appstreamcli man; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup.sh installs it)"; exit 1; }
done
report() { # NAME OUTPUT STATUS
  if [ "$3" -ne 0 ] || [ -n "$2" ]; then
    echo "FAIL: $1"
    echo "$2"
    failed=1
  fi
}
# desktop-file-validate prints only problems.
out=$(desktop-file-validate "$desktop" 2>&1)
report "$desktop" "$out" $?
out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1)
status=$?
report "$metainfo" "$(grep -E '^[EW]:' <<<"$out")" $status
for page in "$@"; do
  # man prints the formatter's warnings on standard error.
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  report "$page" "$out" $?
done
exit $failed

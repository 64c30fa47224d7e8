#!/usr/bin/env bash
# Every command of kvn and every option its help lists appear in the manual
# page kvn(1), so that the page keeps up with the program.
# usage: manpage_options.sh KVN_MAN_PAGE KVN
set -uo pipefail
page=$1 kvn=$2
# The page as text, with troff's escaped hyphens as plain ones.
text=$(sed 's/\\-/-/g' "$page")
failed=0
missing() {
  echo "FAIL: kvn(1) does not mention $1"
  failed=1
}
commands=$("$kvn" --help | awk '/^Commands:/ { on = 1; next } /^$/ { on = 0 } on { print $1 }')
[ -n "$commands" ] || { echo "FAIL: no commands in kvn --help"; exit 1; }
for command in "" $commands; do
  # A command is named by a bold macro line, as in the page's COMMANDS.
  if [ -n "$command" ] && ! grep -qE "^\.BI? $command( |\$)" <<<"$text"; then
    missing "the command $command"
  fi
  # Option names at the start of the help's option lines; Qt's --help-all aside.
  options=$("$kvn" $command --help 2>/dev/null | awk '/^[^ ]/ { on = ($0 == "Options:"); next } on' |
    grep -oE '^ +(-[A-Za-z], )?--[A-Za-z-]+' | grep -oE -- '--[A-Za-z-]+' | grep -vx -- '--help-all')
  for option in $options; do
    grep -qF -- "$option" <<<"$text" || missing "$option${command:+ of kvn $command}"
  done
done
exit $failed

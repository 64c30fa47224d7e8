#!/usr/bin/env bash
# Installs Korvane into a scratch folder and checks the installed tree: kvn
# answers its version and checks the example, every installed file is in place,
# and the window started from there (offscreen, from another working directory)
# loads its interface translation from the installed data folder.
#   install: cmake --install BUILD_DIR --prefix SCRATCH
#   deb:     cpack -G DEB, then dpkg-deb -x into a scratch root (the machine's
#            own packages stay untouched)
# usage: installed.sh install|deb CMAKE CPACK BUILD_DIR VERSION BINDIR DATADIR EXAMPLE
set -euo pipefail
mode=$1 cmake=$2 cpack=$3 build=$4 version=$5 bindir=$6 datadir=$7 example=$8

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
scratch=$(realpath "$scratch")
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

case $mode in
  install)
    "$cmake" --install "$build" --prefix "$scratch/prefix" >/dev/null
    prefix=$scratch/prefix
    ;;
  deb)
    (cd "$build" && "$cpack" -G DEB -B "$scratch/out" >/dev/null)
    debs=("$scratch"/out/*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
    deb=${debs[0]}
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
    depends=$(dpkg-deb -f "$deb" Depends)
    [[ $depends == *libqt6core6* && $depends == *libc6* ]] \
      || fail "Depends lacks the libraries found by dpkg-shlibdeps: $depends"
    dpkg-deb -x "$deb" "$scratch/root"
    prefix=$scratch/root/usr
    ;;
  *)
    fail "unknown mode $mode"
    ;;
esac

kvn=$prefix/$bindir/kvn
[ -x "$kvn" ] || fail "no $kvn"
[ "$("$kvn" --version)" = "kvn $version" ] || fail "kvn --version does not print $version"

status=0
"$kvn" check "$example" >"$scratch/report" 2>"$scratch/errors" || status=$?
# 0 or 1: the file was read and checked; 2 would be a usage or read error.
[ "$status" -le 1 ] || fail "kvn check exited $status: $(cat "$scratch/errors")"
[ -s "$scratch/report" ] || fail "kvn check printed no report"

expect_files=(share/man/man1/kvn.1 share/bash-completion/completions/kvn)
window=$prefix/$bindir/korvane
if [ -e "$window" ]; then
  expect_files+=(share/man/man1/korvane.1 share/applications/korvane.desktop
    share/metainfo/org.oskerbay.korvane.metainfo.xml
    share/icons/hicolor/128x128/apps/korvane.png share/icons/hicolor/16x16/apps/korvane.png
    "$datadir/translations/Korvane_de.qm")
fi
for file in "${expect_files[@]}"; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
# The completion loads in bash.
bash -c "source '$prefix/share/bash-completion/completions/kvn'" || fail "the completion does not load"

if [ -e "$window" ]; then
  # German stored as the interface language; no translations/ folder in the
  # working directory, none beside the installed program.
  home=$scratch/home
  mkdir -p "$home/.config/Oskerbay" "$scratch/elsewhere"
  printf '[General]\nLanguage=de\n' >"$home/.config/Oskerbay/Korvane.conf"
  (cd "$scratch/elsewhere" && HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="korvane.startup.info=true" exec "$window" 2>"$scratch/window.log") &
  pid=$!
  for _ in $(seq 300); do
    grep -q "translation" "$scratch/window.log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  expected=$prefix/$datadir/translations/Korvane_de.qm
  grep -qF "Interface translation: $expected" "$scratch/window.log" \
    || fail "the installed window did not load $expected: $(cat "$scratch/window.log")"
fi
echo "installed tree ($mode) works"

#!/usr/bin/env bash
# Times kvn and the toolchain's own checkers (msgfmt -c, lrelease) on one corpus, and kvn on
# synthetic catalogues.
#
# usage: bench/bench.sh [CORPUS_DIR] [RUNS]     (default ../shared/corpus or $KVN_CORPUS, 5 runs)
#        SYNTHETIC="10000 100000" bench/bench.sh   sizes of the synthetic catalogues
#                                                  (default 10000 100000 1000000; "" for none)
#        SKIP_PEERS=1 bench/bench.sh               without msgfmt -c and lrelease
#        SKIP_WINDOW=1 bench/bench.sh              without the offscreen window benchmark
#        SKIP_FORMATS=1 bench/bench.sh             without the rows of each output format
#        KVN=path/to/kvn                           another binary
#
# Each figure is the median wall-clock time of RUNS runs (after one warm-up) of the whole
# process, start-up included, with messages/s and MB/s from the input read, the median CPU
# time (user + system) and the peak resident memory (largest of the runs). kvn runs with
# every check box on (bench/all-checks.ini), on one thread per core unless the row says
# -j 1, and writes its output to /dev/null. The machine's load average is printed before
# and after: the other processes of a shared machine slow the wall-clock figures.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/.." && pwd)
CORPUS=$(cd "${1:-${KVN_CORPUS:-$ROOT/../shared/corpus}}" && pwd)
RUNS=${2:-5}
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
KVN=${KVN:-$BUILD_DIR/cli/kvn}
WINDOW_BENCH=${WINDOW_BENCH:-$BUILD_DIR/bench/windowbench}
STATS=${STATS:-$(dirname "$CORPUS")/bench/corpus_stats.py}
SETTINGS=$HERE/all-checks.ini
SYNTHETIC=${SYNTHETIC-10000 100000 1000000}

for pkg in time gettext qt6-l10n-tools; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
    || { echo "installing $pkg" >&2; DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$pkg" >/dev/null; }
done
[ -x "$KVN" ] || BUILD_DIR=$BUILD_DIR bash "$ROOT/scripts/setup.sh"
[ -f "$STATS" ] || { echo "missing $STATS (set STATS=.../corpus_stats.py)" >&2; exit 2; }
GNUTIME=$(type -P time)

median() { sort -n | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }
# Messages and bytes of the .ts and .po files of a directory, or of one file.
messages() {
  if [ -d "$1" ]; then
    python3 "$STATS" "$1" --tsv | awk -F'\t' '$1 !~ /\.pot$/ {s+=$3} END {print s+0}'
  else
    python3 "$STATS" "$(dirname "$1")" --tsv | awk -F'\t' -v f="$(basename "$1")" '$1==f {print $3}'
  fi
}
bytes() { find "$1" -type f \( -name '*.ts' -o -name '*.po' \) -printf '%s\n' | awk '{s+=$1} END {print s+0}'; }

# time_cmd NAME MESSAGES BYTES CMD...: prints one row and remembers msgs/s by name.
declare -A RATE
tf=$(mktemp)
trap 'rm -f "$tf"' EXIT
time_cmd() {
  local name=$1 msgs=$2 size=$3; shift 3
  local walls=() cpus=() peaks=()
  for r in $(seq 0 "$RUNS"); do
    "$GNUTIME" -f '%e %U %S %M' -o "$tf" "$@" >/dev/null 2>&1 || :
    [ "$r" -eq 0 ] && continue
    read -r w u s m < <(tail -1 "$tf")  # GNU time puts a line about a non-zero status first
    walls+=("$w"); cpus+=("$(awk -v u="$u" -v s="$s" 'BEGIN {print u+s}')"); peaks+=("$m")
  done
  local med cpu pk
  med=$(printf '%s\n' "${walls[@]}" | median)
  cpu=$(printf '%s\n' "${cpus[@]}" | median)
  pk=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -1)
  RATE[$name]=$(awk -v m="$msgs" -v t="$med" 'BEGIN {printf "%.0f", (t>0? m/t : 0)}')
  awk -v n="$name" -v t="$med" -v c="$cpu" -v m="$msgs" -v b="$size" -v p="$pk" 'BEGIN {
    printf "%-30s %9.3f %8.3f %10.0f %8.2f %9.1f %9d %8.1f\n", n, t, c, (t>0? m/t:0), (t>0? b/1e6/t:0), p/1024, m, b/1e6 }'
}

echo "kvn $("$KVN" --version | cut -d' ' -f2), $(nproc) cores, median of $RUNS runs; load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-30s %9s %8s %10s %8s %9s %9s %8s\n' bench median_s cpu_s msgs/s MB/s peak_MB messages input_MB
corpus_messages=$(messages "$CORPUS")
corpus_bytes=$(bytes "$CORPUS")
largest=$(find "$CORPUS" -type f \( -name '*.ts' -o -name '*.po' \) -printf '%s %p\n' | sort -n | tail -1 | cut -d' ' -f2-)
time_cmd "kvn check corpus" "$corpus_messages" "$corpus_bytes" \
  "$KVN" check --settings "$SETTINGS" "$CORPUS"
time_cmd "kvn check corpus -j 1" "$corpus_messages" "$corpus_bytes" \
  "$KVN" check -j 1 --settings "$SETTINGS" "$CORPUS"
if [ -z "${SKIP_FORMATS:-}" ]; then
  for format in report gcc json sarif github; do
    time_cmd "kvn check corpus --format $format" "$corpus_messages" "$corpus_bytes" \
      "$KVN" check --settings "$SETTINGS" --format "$format" "$CORPUS"
  done
fi
# One process per file, as a build system would call kvn.
time_cmd "kvn check per file" "$corpus_messages" "$corpus_bytes" \
  sh -c 'find "$1" -type f \( -name "*.ts" -o -name "*.po" -o -name "*.pot" \) | sort |
         while read -r f; do "$2" check --settings "$3" "$f" >/dev/null 2>&1 || :; done' \
  sh "$CORPUS" "$KVN" "$SETTINGS"
time_cmd "kvn check largest file" "$(messages "$largest")" "$(stat -c %s "$largest")" \
  "$KVN" check --settings "$SETTINGS" "$largest"
if [ -z "${SKIP_WINDOW:-}" ] && [ -x "$WINDOW_BENCH" ]; then
  # The program times itself: the run (reading, checks, report texts) and the
  # filling of the 50 views; the row gives the whole process.
  wf=$(mktemp)
  time_cmd "window process (offscreen)" "$corpus_messages" "$corpus_bytes" \
    sh -c 'QT_QPA_PLATFORM=offscreen "$0" --settings "$1" "$2" >>"$3"' \
    "$WINDOW_BENCH" "$SETTINGS" "$CORPUS" "$wf"
  tail -n "$RUNS" "$wf" | awk '{print $1}' | median | xargs printf '  window run (read, check, 50 report texts) %8.3f s\n'
  tail -n "$RUNS" "$wf" | awk '{print $2}' | median | xargs printf '  window filling all 50 views             %8.3f s\n'
  tail -n "$RUNS" "$wf" | awk '{print $1 + $2}' | median | xargs printf '  window run + all 50 views               %8.3f s\n'
  rm -f "$wf"
fi

synthetic=$(mktemp -d)
trap 'rm -f "$tf"; rm -rf "$synthetic"' EXIT
for n in $SYNTHETIC; do
  f=$synthetic/synthetic-$n.ts
  python3 "$HERE/gen_catalogue.py" "$n" "$f"
  time_cmd "kvn check synthetic $n" "$n" "$(stat -c %s "$f")" "$KVN" check --settings "$SETTINGS" "$f"
  [ -n "${SKIP_FORMATS:-}" ] ||
    time_cmd "kvn check synthetic $n json" "$n" "$(stat -c %s "$f")" \
      "$KVN" check --settings "$SETTINGS" --format json "$f"
  rm -f "$f"
done
echo "  (largest file: ${largest#"$CORPUS"/}; synthetic: bench/gen_catalogue.py, .ts)"
for n in $SYNTHETIC; do
  awk -v n="$n" -v r="${RATE[kvn check synthetic $n]:-0}" 'BEGIN {
    if (r > 0) printf "  synthetic %-8s %8.2f us per message\n", n, 1e6 / r }'
done

# The toolchain's checkers over the same files, one process per file: msgfmt -c on
# the .po files, lrelease on the .ts files. (Translation-checking tools of other
# projects are not run here.)
if [ -z "${SKIP_PEERS:-}" ]; then
  LRELEASE=${LRELEASE:-$(command -v lrelease || dpkg -L qt6-l10n-tools | grep '/lrelease$' | head -1)}
  po_list=$(mktemp); ts_list=$(mktemp)
  trap 'rm -f "$tf" "$po_list" "$ts_list"; rm -rf "$synthetic"' EXIT
  find "$CORPUS" -type f -name '*.po' | sort >"$po_list"
  find "$CORPUS" -type f -name '*.ts' | sort >"$ts_list"
  # Messages and bytes of the files of one kind (po, ts).
  kind_messages() {
    python3 "$STATS" "$CORPUS" --tsv | awk -F'\t' -v k="$1" '$1 ~ ("\\." k "$") {s+=$3} END {print s+0}'
  }
  list_bytes() { xargs -d '\n' stat -c %s <"$1" | awk '{s+=$1} END {print s+0}'; }
  echo
  echo "Peers on the same corpus, one process per file (median of $RUNS runs):"
  time_cmd "msgfmt -c (.po)" "$(kind_messages po)" "$(list_bytes "$po_list")" \
    sh -c 'while read -r f; do msgfmt -c -o /dev/null "$f" 2>/dev/null || :; done <"$1"' sh "$po_list"
  time_cmd "lrelease (.ts)" "$(kind_messages ts)" "$(list_bytes "$ts_list")" \
    sh -c 'o=$(mktemp -d); while read -r f; do "$2" -silent "$f" -qm "$o/out.qm" || :; done <"$1";
           rm -rf "$o"' sh "$ts_list" "$LRELEASE"
  echo
  echo "Ratio of kvn (whole corpus, every check on) to each peer, in messages per second:"
  for peer in "msgfmt -c (.po)" "lrelease (.ts)"; do
    awk -v p="$peer" -v k="${RATE[kvn check corpus]}" -v r="${RATE[$peer]}" 'BEGIN {
      if (r > 0) printf "  kvn / %-20s %8.2f\n", p, k / r }'
  done
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

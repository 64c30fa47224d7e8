#!/usr/bin/env bash
# Times kvn against the peer tools on one corpus, and on synthetic catalogues.
#
# usage: bench/bench.sh [CORPUS_DIR] [RUNS]     (default ../shared/corpus, 5 runs)
#        SYNTHETIC="10000 100000 1000000" bench/bench.sh    sizes of the synthetic catalogues
#        SKIP_PEERS=1 bench/bench.sh                          kvn only
#
# Each figure is the median wall-clock time of RUNS runs (after one warm-up) of the whole
# process, with messages/s and MB/s from the input read, and the peak resident memory.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/.." && pwd)
CORPUS=$(cd "${1:-$ROOT/../shared/corpus}" && pwd)
RUNS=${2:-5}
KVN=${KVN:-$ROOT/build/cli/kvn}
PEERS=${PEERS:-$(cd "$ROOT/../shared/bench" 2>/dev/null && pwd)/peers.sh}
STATS=$(dirname "$PEERS")/corpus_stats.py
SETTINGS=$HERE/all-checks.ini

for pkg in time translate-toolkit gettext qt6-l10n-tools; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
    || { echo "installing $pkg" >&2; DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$pkg" >/dev/null; }
done
[ -x "$KVN" ] || bash "$ROOT/scripts/setup.sh"
GNUTIME=$(type -P time)

median() { sort -n | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }
messages() { python3 "$STATS" "$1" --tsv | awk -F'\t' '{s+=$3} END {print s+0}'; }
bytes() { find "$1" -type f \( -name '*.ts' -o -name '*.po' \) -printf '%s\n' | awk '{s+=$1} END {print s+0}'; }

# time_cmd NAME MESSAGES BYTES CMD...: prints one row and remembers msgs/s by name.
declare -A RATE
tf=$(mktemp)
time_cmd() {
  local name=$1 msgs=$2 size=$3; shift 3
  local walls=() peaks=()
  for r in $(seq 0 "$RUNS"); do
    "$GNUTIME" -f '%e %M' -o "$tf" "$@" >/dev/null 2>&1 || :
    [ "$r" -eq 0 ] && continue
    read -r w m < "$tf"
    walls+=("$w"); peaks+=("$m")
  done
  local med pk
  med=$(printf '%s\n' "${walls[@]}" | median)
  pk=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -1)
  RATE[$name]=$(awk -v m="$msgs" -v t="$med" 'BEGIN {printf "%.0f", (t>0? m/t : 0)}')
  awk -v n="$name" -v t="$med" -v m="$msgs" -v b="$size" -v p="$pk" 'BEGIN {
    printf "%-28s %9.3f %10.0f %8.2f %9.1f %9d\n", n, t, (t>0? m/t:0), (t>0? b/1e6/t:0), p/1024, m }'
}

printf '%-28s %9s %10s %8s %9s %9s\n' bench median_s msgs/s MB/s peak_MB messages
largest=$(find "$CORPUS" -type f \( -name '*.ts' -o -name '*.po' \) -printf '%s %p\n' | sort -n | tail -1 | cut -d' ' -f2-)
time_cmd "kvn check corpus" "$(messages "$CORPUS")" "$(bytes "$CORPUS")" \
  "$KVN" check --settings "$SETTINGS" "$CORPUS"
time_cmd "kvn check largest file" "$(python3 "$STATS" "$(dirname "$largest")" --tsv | awk -F'\t' -v f="$largest" '$1==f || index(f,$1) {print $3}' | head -1)" \
  "$(stat -c %s "$largest")" "$KVN" check --settings "$SETTINGS" "$largest"
echo "  (largest file: ${largest#$CORPUS/})"

for n in ${SYNTHETIC:-10000 100000}; do
  f=$(mktemp --suffix=.ts)
  python3 "$HERE/gen_catalogue.py" "$n" "$f"
  time_cmd "kvn check synthetic $n" "$n" "$(stat -c %s "$f")" "$KVN" check --settings "$SETTINGS" "$f"
  rm -f "$f"
done
rm -f "$tf"

if [ -z "${SKIP_PEERS:-}" ] && [ -f "$PEERS" ]; then
  echo
  echo "Peers on the same corpus (median of $RUNS runs):"
  out=$(bash "$PEERS" "$CORPUS" "$RUNS")
  echo "$out"
  echo
  echo "Ratio of kvn (whole corpus, every check on) to each peer, in messages per second:"
  echo "$out" | awk -v k="${RATE[kvn check corpus]}" 'NR>1 && NF==9 && $7>0 {
    printf "  kvn / %-20s %8.2f\n", $1, k/$7 }'
fi

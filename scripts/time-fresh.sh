#!/usr/bin/env bash
# Runs the test command in a fresh clone of this repository's HEAD on N processor
# cores (the first N this script may use) and prints the wall and processor time
# of each phase.
#
#   scripts/time-fresh.sh N [--cold|--warm]
#
# The clone starts with no build folder and an empty compiler cache, as on a fresh
# machine. The dependency cache is kept (the libraries are cross-built once per
# machine); with --cold it starts empty too; with --warm the clone uses this
# machine's compiler cache, as a rerun of CI on the same machine does. Packages
# already installed stay.
set -euo pipefail
cores=${1:?usage: time-fresh.sh N [--cold|--warm]}
cold=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/varnel-fresh.XXXXXX")
trap 'rm -rf "$work"' EXIT

git clone -q "$root" "$work/clone"
[ "$cold" = --warm ] || export CCACHE_DIR=$work/ccache
[ "$cold" = --cold ] && export VARNEL_DEPS_CACHE=$work/deps-cache
export VARNEL_PHASE_LOG=$work/phases
: > "$VARNEL_PHASE_LOG"
# The first N of the cores this script may use (it may be pinned itself).
cpus=$(awk '/^Cpus_allowed_list/ { print $2 }' /proc/self/status | tr , '\n' |
  awk -F- '{ last = $2 == "" ? $1 : $2; for (c = $1; c <= last; c++) print c }' | head -n "$cores" | paste -sd,)
start=$(date +%s)
status=0
taskset -c "$cpus" "$work/clone/.ci/run" > "$work/output" 2>&1 || status=$?
total=$(( $(date +%s) - start ))

case $cold in
  --cold) what=", cold dependency cache" ;;
  --warm) what=", this machine's compiler cache" ;;
  *) what="" ;;
esac
echo "Fresh clone of $(git -C "$root" rev-parse --short HEAD), $cores cores ($cpus)$what:"
awk '{ wall[$1] += $2; cpu[$1] += $3; if (!($1 in seen)) { seen[$1] = 1; order[n++] = $1 } }
     END { printf "  %-24s %9s %9s\n", "phase", "wall (s)", "cpu (s)"
           for (i = 0; i < n; i++) printf "  %-24s %9.0f %9.0f\n", order[i], wall[order[i]], cpu[order[i]] }' \
  "$VARNEL_PHASE_LOG"
printf '  %-24s %9d\n' total "$total"
tail -n 3 "$work/output"
exit "$status"

#!/usr/bin/env bash
# Runs every benchmark program under Wine. Not part of the tests.
# Where this machine runs no 32-bit programs, the 64-bit build's benchmarks run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

# shellcheck source=arch.sh
source "$root/scripts/arch.sh"
"$root/scripts/build.sh" "$build" i686
bench_build=$build
if [ "$TEST_ARCH" != i686 ]; then
  bench_build=$build/x64
  "$root/scripts/build.sh" "$bench_build" "$TEST_ARCH"
fi
WINE_PREFIX_DIR=$bench_build/wineprefix
# shellcheck source=session.sh
source "$root/scripts/session.sh"
for bench in "$bench_build"/bench/*.exe; do
  echo "== $(basename "$bench")"
  "$VARNEL_WINE" "$bench"
done

#!/usr/bin/env bash
# Runs every benchmark program under Wine. Not part of the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/scripts/build.sh" "$build"
WINE_PREFIX_DIR=$build/wineprefix
# shellcheck source=session.sh
source "$root/scripts/session.sh"
for bench in "$build"/bench/*.exe; do
  echo "== $(basename "$bench")"
  wine "$bench"
done

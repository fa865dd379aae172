#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test program
# under Wine on a private Xvfb display, ending with CTest's summary.
#   scripts/test.sh [build-dir] [ctest arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
shift || true

"$root/scripts/build.sh" "$build"
WINE_PREFIX_DIR=$build/wineprefix
# shellcheck source=session.sh
source "$root/scripts/session.sh"
cd "$build"
ctest --output-on-failure "$@"

#!/usr/bin/env bash
# Installs what is missing, cross-builds the dependencies and builds everything.
#   scripts/build.sh [build-dir]      (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")

"$root/scripts/setup.sh"
mkdir -p "$build"
"$root/scripts/deps.sh" "$build/deps.cmake" >/dev/null
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" \
    -DDEPS_FILE="$build/deps.cmake" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" 2>&1 | { grep -v -E '^\[ *[0-9]+%\]|^(Consolidate|Scanning|Built) ' || true; }

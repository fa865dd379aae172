#!/usr/bin/env bash
# Builds everything with every unit compiled on its own (no unity batches), so that
# a unit which compiles only thanks to an include or a declaration of a batch
# neighbour is caught. The test command builds in batches; CI runs this check on
# its own schedule, and a developer before merging changes to includes.
#   scripts/check-units.sh [build-dir] [i686|x86_64]     (default: build/units, x86_64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/units}")
arch=${2:-x86_64}
VARNEL_CMAKE_ARGS="-DVARNEL_UNITY=OFF" "$root/scripts/build.sh" "$build" "$arch"

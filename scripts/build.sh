#!/usr/bin/env bash
# Installs what is missing, cross-builds the dependencies and builds everything.
#   scripts/build.sh [build-dir] [i686|x86_64]     (default: build, i686)
# VARNEL_CMAKE_ARGS adds cache settings, e.g. "-DVARNEL_UNITY=OFF".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
arch=${2:-i686}
toolchain=$root/cmake/toolchain-$arch.cmake
# shellcheck source=phases.sh
source "$root/scripts/phases.sh"

phase packages "$root/scripts/setup.sh"
mkdir -p "$build"
phase "dependencies-$arch" "$root/scripts/deps.sh" "$build/deps.cmake" "$arch" >/dev/null
# A build folder configured with another toolchain file is configured anew.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:.*=$toolchain\$" "$build/CMakeCache.txt"; then
  rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi
# ccache, when present, keeps a rerun to what changed; paths below the work tree's
# parent are hashed relative, so sibling checkouts share their objects.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$root")} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
read -r -a settings <<< "${VARNEL_CMAKE_ARGS:-}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  phase "configure-$arch" cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DDEPS_FILE="$build/deps.cmake" "${launcher[@]}" "${settings[@]}" >/dev/null
elif [ ${#settings[@]} -gt 0 ]; then
  cmake "$build" "${settings[@]}" >/dev/null
fi
compile() {
  cmake --build "$build" -j"${JOBS:-$(nproc)}" 2>&1 | { grep -v -E '^\[ *[0-9]+%\]|^(Consolidate|Scanning|Built) ' || true; }
}
phase "build-$arch" compile

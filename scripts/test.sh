#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test program
# under Wine on a private Xvfb display, ending with CTest's summary.
#   scripts/test.sh [build-dir] [ctest arguments...]
# The 32-bit program is always built in the build folder. Where this machine runs
# no 32-bit programs, the tests are built and run as 64-bit in <build-dir>/x64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
shift || true

# shellcheck source=phases.sh
source "$root/scripts/phases.sh"
phase packages "$root/scripts/setup.sh"
# Whether 32-bit programs run here is known only once Wine is installed.
# shellcheck source=arch.sh
source "$root/scripts/arch.sh"
if [ "$TEST_ARCH" != i686 ]; then
  both_dependencies() {
    # Each architecture's dependencies build side by side, half the cores each: their
    # configure steps run on one core, so two at once use a machine better.
    local jobs=$(( ($(nproc) + 1) / 2 ))
    mkdir -p "$build/x64"
    VARNEL_DEPS_JOBS=$jobs "$root/scripts/deps.sh" "$build/deps.cmake" i686 >/dev/null &
    VARNEL_DEPS_JOBS=$jobs "$root/scripts/deps.sh" "$build/x64/deps.cmake" "$TEST_ARCH" >/dev/null &
    wait -n && wait -n
  }
  phase dependencies both_dependencies
fi
# Nothing here reads debug information, which takes a fifth of the compile time.
# The 32-bit test and benchmark programs are compiled, and linked only where they run.
link_tests=ON
[ "$TEST_ARCH" = i686 ] || link_tests=OFF
VARNEL_CMAKE_ARGS="-DVARNEL_DEBUG_INFO=OFF -DVARNEL_LINK_TESTS=$link_tests" "$root/scripts/build.sh" "$build" i686
test_build=$build
if [ "$TEST_ARCH" != i686 ]; then
  echo "test: this machine runs no 32-bit programs; the tests run as a 64-bit build ($build/x64)" >&2
  test_build=$build/x64
  VARNEL_CMAKE_ARGS="-DVARNEL_DEBUG_INFO=OFF" "$root/scripts/build.sh" "$test_build" "$TEST_ARCH"
fi
# Two test programs run side by side, each in a session of its own (display and
# Wine prefix): most of a GUI test's time is spent waiting on Wine and the display,
# and the app tests alone take as long as all the others together, so a third
# session would find little to do.
sessions=2
[ "$(nproc)" -gt 1 ] || sessions=1
WINE_PREFIX_DIR=$test_build/wineprefix
VARNEL_SESSIONS=$sessions
# shellcheck source=session.sh
source "$root/scripts/session.sh"
cd "$test_build"
slots=$(seq -s, -f '{"id": "%g", "slots": 1}' 0 $((sessions - 1)))
echo "{\"version\": {\"major\": 1, \"minor\": 0}, \"local\": [{\"session\": [$slots]}]}" > sessions.json
phase tests ctest --output-on-failure -j "$sessions" --resource-spec-file sessions.json "$@"

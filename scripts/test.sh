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

"$root/scripts/build.sh" "$build" i686
# shellcheck source=arch.sh
source "$root/scripts/arch.sh"
test_build=$build
if [ "$TEST_ARCH" != i686 ]; then
  echo "test: this machine runs no 32-bit programs; the tests run as a 64-bit build ($build/x64)" >&2
  test_build=$build/x64
  "$root/scripts/build.sh" "$test_build" "$TEST_ARCH"
fi
WINE_PREFIX_DIR=$test_build/wineprefix
# shellcheck source=session.sh
source "$root/scripts/session.sh"
cd "$test_build"
ctest --output-on-failure "$@"

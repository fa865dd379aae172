#!/usr/bin/env bash
# The run command: installs what is missing, builds, and starts VarnelRevo.exe under
# Wine on the user's display, or on a private Xvfb when there is none. Where this
# machine runs no 32-bit programs, it starts the 64-bit build instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

# shellcheck source=arch.sh
source "$root/scripts/arch.sh"
"$root/scripts/build.sh" "$build" i686
program_build=$build
if [ "$TEST_ARCH" != i686 ]; then
  echo "run: this machine runs no 32-bit programs; starting the 64-bit build" >&2
  program_build=$build/x64
  "$root/scripts/build.sh" "$program_build" "$TEST_ARCH"
fi
WINE_PREFIX_DIR=$program_build/wineprefix-run
if [ -z "${DISPLAY:-}" ]; then
  # shellcheck source=session.sh
  source "$root/scripts/session.sh"
  echo "run: no display; the program runs on the private display $DISPLAY" >&2
else
  source "$root/scripts/session.sh" --no-xvfb
fi
cd "$program_build/VarnelRevo"
"$VARNEL_WINE" ./VarnelRevo.exe

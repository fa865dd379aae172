#!/usr/bin/env bash
# The run command: installs what is missing, builds, and starts VarnelRevo.exe under
# Wine on the user's display, or on a private Xvfb when there is none.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

"$root/scripts/build.sh" "$build"
export WINEPREFIX=$build/wineprefix-run WINEDEBUG=-all WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
if [ -z "${DISPLAY:-}" ]; then
  WINE_PREFIX_DIR=$WINEPREFIX
  # shellcheck source=session.sh
  source "$root/scripts/session.sh"
  echo "run: no display; the program runs on the private display $DISPLAY" >&2
fi
cd "$build/VarnelRevo"
wine ./VarnelRevo.exe

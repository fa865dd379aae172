#!/usr/bin/env bash
# Runs the fuzz runner over every parser of untrusted input under Wine: 10,000
# inputs each by default (scripts/fuzz.sh [--inputs N] [--seed S] [--parser NAME]).
# Findings are saved under build/x64/fuzz-findings (or build/fuzz-findings). Not part
# of the tests, which run a short pass of the same runner.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# shellcheck source=arch.sh
source "$root/scripts/arch.sh"
fuzz_build=$root/build
[ "$TEST_ARCH" != i686 ] && fuzz_build=$root/build/x64
"$root/scripts/build.sh" "$fuzz_build" "$TEST_ARCH"
WINE_PREFIX_DIR=$fuzz_build/wineprefix
# shellcheck source=session.sh
source "$root/scripts/session.sh"
cd "$fuzz_build"
"$VARNEL_WINE" "$fuzz_build/tools/varnel_fuzz.exe" --inputs 10000 --findings fuzz-findings "$@"

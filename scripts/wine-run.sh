#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest, with the Wine that suits the build
# (VARNEL_WINE: wine for 32-bit programs, wine64 for 64-bit ones). Where the test
# command runs tests side by side, CTest hands each test one of its sessions
# (scripts/session.sh): the program runs on that session's display and prefix, so
# that no two programs share a focus, a pointer or a Wine server.
if [ -n "${CTEST_RESOURCE_GROUP_0_SESSION:-}" ]; then
  id=${CTEST_RESOURCE_GROUP_0_SESSION#id:}
  session=VARNEL_SESSION_${id%%,*}
  IFS='|' read -r DISPLAY WINEPREFIX <<< "${!session}"
  export DISPLAY WINEPREFIX
fi
exec "${VARNEL_WINE:-wine}" "$@"

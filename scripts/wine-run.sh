#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest, with the Wine that suits the build
# (VARNEL_WINE: wine for 32-bit programs, wine64 for 64-bit ones).
exec "${VARNEL_WINE:-wine}" "$@"

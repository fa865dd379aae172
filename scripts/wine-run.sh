#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest. Where Wine runs emulated, its loader
# now and then fails to start a process at all (exit status 53, "could not load
# kernel32.dll"); such a start is retried, a program's own failure is not.
set -u
for attempt in 1 2 3; do
  wine "$@"
  status=$?
  [ "$status" -eq 53 ] || exit "$status"
  echo "wine-run: Wine did not start (attempt $attempt); retrying" >&2
  sleep 2
done
exit "$status"

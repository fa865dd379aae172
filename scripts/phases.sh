# Sourced: `phase <name> <command...>` runs the command and, when VARNEL_PHASE_LOG
# names a file, appends "<name> <wall seconds> <processor seconds>" to it, the
# processor time being that of the command's children (scripts/time-fresh.sh).
phase() {
  local name=$1 start cpu_before cpu_after
  shift
  if [ -z "${VARNEL_PHASE_LOG:-}" ]; then
    "$@"
    return
  fi
  start=$(date +%s.%N)
  times > "$VARNEL_PHASE_LOG.times"
  cpu_before=$(children_cpu_seconds < "$VARNEL_PHASE_LOG.times")
  "$@"
  times > "$VARNEL_PHASE_LOG.times"
  cpu_after=$(children_cpu_seconds < "$VARNEL_PHASE_LOG.times")
  awk -v n="$name" -v s="$start" -v e="$(date +%s.%N)" -v a="$cpu_before" -v b="$cpu_after" \
    'BEGIN { printf "%s %.1f %.1f\n", n, e - s, b - a }' >> "$VARNEL_PHASE_LOG"
}

# The user and system time of the shell's finished children, in seconds, from the
# output of `times` (taken in the shell itself: a subshell has its own children).
children_cpu_seconds() {
  awk 'NR == 2 {
    split($1, u, /m|s/); split($2, s, /m|s/)
    printf "%.2f", u[1] * 60 + u[2] + s[1] * 60 + s[2] }'
}

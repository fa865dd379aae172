# Sourced: starts a private Xvfb display (unless given --no-xvfb) and a private Wine
# prefix for this shell, and stops both when the shell exits.
#   WINE_PREFIX_DIR  the prefix folder (created on first use)
#   VARNEL_SESSIONS  how many such sessions (default 1). The first is this shell's
#                    DISPLAY and WINEPREFIX; session <i> is "<display>|<prefix>" in
#                    VARNEL_SESSION_<i> (scripts/wine-run.sh picks the one CTest
#                    gives a test), its prefix WINE_PREFIX_DIR-<i>.

XVFB_PIDS=()
WINE_PREFIXES=()

start_xvfb() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$fd_file" 2>/dev/null &
  XVFB_PIDS+=($!)
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n 1 "$fd_file")"
  rm -f "$fd_file"
}

# A new prefix is copied from a template in the dependency cache; the first one
# made on a machine becomes that template (creating one takes minutes when Wine
# runs emulated).
start_wine() {
  export WINEPREFIX=$1
  export WINEDEBUG=${WINEDEBUG_OVERRIDE:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
  local wine=${VARNEL_WINE:-wine}
  export WINEARCH=win32
  [ "$wine" = wine ] || export WINEARCH=win64
  local cache=${VARNEL_DEPS_CACHE:-$HOME/.cache/varnel-revo-deps}
  local template="$cache/wineprefix-$WINEARCH-$("$wine" --version | tr -c 'a-zA-Z0-9.\n-' _)"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    mkdir -p "$cache"
    (
      flock 8
      if [ ! -f "$template/.done" ]; then
        echo "test: creating the Wine prefix (once per machine)" >&2
        WINEPREFIX="$template.tmp"
        rm -rf "$WINEPREFIX"
        "$wine" wineboot -i >/dev/null 2>&1 || true
        wineserver -w 2>/dev/null || true
        touch "$template.tmp/.done" && rm -rf "$template" && mv "$template.tmp" "$template"
      fi
    ) 8>"$cache/.wineprefix.lock"
    cp -a "$template" "$WINEPREFIX"
  fi
  wineserver -p 2>/dev/null || true
  # Wine's own background processes start with the first program in the prefix and
  # inherit its output; start them here, away from the output CTest waits on.
  "$wine" wineboot >/dev/null 2>&1 </dev/null || true
  # With no window manager under Xvfb, Wine draws the frames and captions itself.
  [ ${#XVFB_PIDS[@]} -eq 0 ] || "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
}

# Session <i> beside this shell's, which keeps the first session's DISPLAY and WINEPREFIX.
start_other_session() {
  local display=${DISPLAY:-} prefix=$WINEPREFIX
  start_xvfb
  start_wine "$WINE_PREFIX_DIR-$1"
  WINE_PREFIXES+=("$WINEPREFIX")
  export "VARNEL_SESSION_$1=$DISPLAY|$WINEPREFIX"
  export DISPLAY=$display WINEPREFIX=$prefix
}

stop_session() {
  local prefix
  for prefix in "${WINE_PREFIXES[@]}"; do
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  done
  [ ${#XVFB_PIDS[@]} -eq 0 ] || kill "${XVFB_PIDS[@]}" >/dev/null 2>&1 || true
  wait 2>/dev/null || true
}

trap stop_session EXIT
[ "${1:-}" = --no-xvfb ] || start_xvfb
WINE_PREFIXES+=("$WINE_PREFIX_DIR")
start_wine "$WINE_PREFIX_DIR"
export "VARNEL_SESSION_0=${DISPLAY:-}|$WINEPREFIX"
for ((session = 1; session < ${VARNEL_SESSIONS:-1}; session++)); do
  start_other_session "$session"
done

# Sourced: starts a private Xvfb display (unless given --no-xvfb) and a private Wine
# prefix for this shell, and stops both when the shell exits.
#   WINE_PREFIX_DIR  the prefix folder (created on first use)

start_xvfb() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$fd_file" 2>/dev/null &
  XVFB_PID=$!
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
  export WINEPREFIX=$WINE_PREFIX_DIR
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
  [ -z "${XVFB_PID:-}" ] || "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
}

stop_session() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true
  wait 2>/dev/null || true
}

trap stop_session EXIT
[ "${1:-}" = --no-xvfb ] || start_xvfb
start_wine

# Shared Wine set-up for the tests, the demo, the benchmarks and CI. Source it, then call
# kestavo_wine_prefix (which also makes sure there is a display).
#   KESTAVO_BUILD   build folder (default: <repo>/build); the prefix lives in $KESTAVO_BUILD/wineprefix
#   KESTAVO_FRESH_PREFIX=1   start from a new prefix (the test command does)
#   KESTAVO_THAI_FONTS=1     a prefix of its own ($KESTAVO_BUILD/wineprefix-thai) whose UI face holds
#                            Thai: Wine shapes Thai with the selected font alone, without linked fonts

KESTAVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KESTAVO_ROOT
export KESTAVO_BUILD=${KESTAVO_BUILD:-$KESTAVO_ROOT/build}
if [ "${KESTAVO_THAI_FONTS:-0}" = 1 ]; then
  export WINEPREFIX=${WINEPREFIX:-$KESTAVO_BUILD/wineprefix-thai}
else
  export WINEPREFIX=${WINEPREFIX:-$KESTAVO_BUILD/wineprefix}
fi
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Gecko or Mono installer dialogs on first boot.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Boots the prefix once and keeps wineserver warm. Wine's long-lived helpers inherit the
# standard streams of whatever starts them first, so they get /dev/null here: a test runner
# reading a pipe would otherwise wait for them for ever.
kestavo_wine_prefix() {
  # The prefix's desktop process is started by the first Wine program and keeps the display
  # it found: there must be one before anything of Wine runs.
  kestavo_display
  if [ "${KESTAVO_FRESH_PREFIX:-0}" = 1 ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/.kestavo-ready" ]; then
    echo "Setting up the Wine prefix $WINEPREFIX ..." >&2
    wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w </dev/null >/dev/null 2>&1
    wine regedit /S "$(winepath -w "$KESTAVO_ROOT/scripts/wine-fonts.reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
    if [ "${KESTAVO_THAI_FONTS:-0}" = 1 ]; then
      wine regedit /S "$(winepath -w "$KESTAVO_ROOT/scripts/wine-fonts-thai.reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
    fi
    wineserver -w </dev/null >/dev/null 2>&1
    touch "$WINEPREFIX/.kestavo-ready"
  fi
  wineserver -p </dev/null >/dev/null 2>&1 || true
  # Start the prefix's services now, with /dev/null, so no test program starts them instead.
  wineboot </dev/null >/dev/null 2>&1 || true
}

# Gives DISPLAY a server: the caller's own display, or a private Xvfb on a free display number.
kestavo_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local fifo num
  fifo=$(mktemp -u) && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
  KESTAVO_XVFB_PID=$!
  read -r num <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$num" KESTAVO_XVFB_PID
}

# Ends what the two functions above started.
kestavo_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${KESTAVO_XVFB_PID:-}" ]; then kill "$KESTAVO_XVFB_PID" 2>/dev/null || true; fi
}

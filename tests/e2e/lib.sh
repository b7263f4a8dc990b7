# Shared by the end-to-end tests: each runs the real kestavo.exe under Wine (the project's
# prefix and display, see scripts/wine-env.sh) from a folder of its own.
#   usage in a test: source "$(dirname "$0")/lib.sh" "$@"   (arguments: kestavo.exe, kestavo_probe.exe)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
kestavo_wine_prefix

KESTAVO_EXE=$1
PROBE_EXE=$2
TITLE="Tavrine System BIOS Update"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kestavo-e2e.XXXXXX")
KESTAVO_PID=""
failures=0

cleanup() {
  if [ -n "$KESTAVO_PID" ] && kill -0 "$KESTAVO_PID" 2>/dev/null; then kill "$KESTAVO_PID" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

# Starts a copy of the program in $WORK/app with the given arguments.
start_kestavo() {
  mkdir -p "$WORK/app"
  cp "$KESTAVO_EXE" "$WORK/app/kestavo.exe"
  wine "$WORK/app/kestavo.exe" "$@" </dev/null >/dev/null 2>&1 &
  KESTAVO_PID=$!
  probe wait "$TITLE" 20000 || { echo "FAIL: the window did not appear" >&2; exit 1; }
}

probe() { wine "$PROBE_EXE" "$@" 2>/dev/null; }

# Waits up to $1 seconds for the program to end.
wait_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$KESTAVO_PID" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
  KESTAVO_PID=""
}

# Clicks a control of the dialog with the real mouse.
click_control() {
  local x y
  read -r x y < <(probe center "$TITLE" "$1")
  xdotool mousemove --sync "$x" "$y" click 1
}

check() {  # check DESCRIPTION ACTUAL EXPECTED
  if [ "$2" == "$3" ]; then
    echo "ok: $1"
  else
    echo "FAIL: $1"
    echo "  expected: $(printf '%q' "$3")"
    echo "  actual:   $(printf '%q' "$2")"
    failures=$((failures + 1))
  fi
}

finish() { [ "$failures" -eq 0 ]; }

# Screenshots: snapshot FILE takes the whole screen; pixel FILE X Y prints "R G B" of one pixel.
snapshot() { import -window root "$1"; }
pixel() {
  convert "$1" -crop "1x1+$2+$3" +repage -depth 8 \
    -format '%[fx:int(255*r+.5)] %[fx:int(255*g+.5)] %[fx:int(255*b+.5)]' info:
}

check_near() {  # check_near DESCRIPTION "R G B" "R G B" TOLERANCE
  local a b i ok=1
  read -r -a a <<<"$2"
  read -r -a b <<<"$3"
  for i in 0 1 2; do
    local d=$(( ${a[$i]:-999} - ${b[$i]:-0} ))
    [ "${d#-}" -le "$4" ] || ok=0
  done
  if [ $ok = 1 ]; then check "$1" "$3" "$3"; else check "$1" "$2" "$3"; fi
}

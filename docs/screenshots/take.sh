#!/usr/bin/env bash
# Takes the window's screenshots into this folder, in its start state: English, Korean, Russian
# and Greek in the project's Wine prefix; Thai in the prefix of its own whose UI face holds Thai
# (KESTAVO_THAI_FONTS in scripts/wine-env.sh).
#   usage: docs/screenshots/take.sh      after a build; KESTAVO_BUILD as for the tests
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${KESTAVO_BUILD:-$root/build}

take() {  # take THAI_FONTS LANG:CODE...
  (
    export KESTAVO_THAI_FONTS=$1
    shift
    source "$root/tests/e2e/lib.sh" "$build/win/kestavo.exe" "$build/win/tests/kestavo_probe.exe"
    # A service that takes the connection and never answers keeps the start state on screen.
    python3 -c 'import socket, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(16)
print(s.getsockname()[1], flush=True); time.sleep(3600)' >"$WORK/port" &
    local listener=$!
    trap 'kill $listener 2>/dev/null; cleanup' EXIT
    for _ in $(seq 50); do [ -s "$WORK/port" ] && break; sleep 0.1; done
    export KESTAVO_UPDATE_HOST="127.0.0.1:$(cat "$WORK/port")"
    local pair lang code x y w h left top right bottom
    for pair in "$@"; do
      lang=${pair%%:*} code=${pair#*:}
      start_kestavo "$code"
      xdotool mousemove 0 0
      sleep 1.5
      read -r x y w h _ < <(probe window "$TITLE")
      read -r left top right bottom < <(probe region "$TITLE")
      snapshot "$WORK/screen.png"
      # What lies outside the window region is not the window's: transparent.
      convert "$WORK/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -alpha set \
        \( -size "${w}x${h}" xc:black -fill white \
           -draw "roundrectangle $left,$top $((right - 1)),$((bottom - 1)) 1,1" -alpha off \) \
        -compose CopyOpacity -composite "$here/kestavo-$lang.png"
      kill "$KESTAVO_PID"
      wait_exit 20 || true
      echo "$here/kestavo-$lang.png"
    done
  )
}

take 0 en:0409 ko:0412 ru:0419 el:0408
take 1 th:041E
KESTAVO_THAI_FONTS=1 bash -c "source '$root/scripts/wine-env.sh'; wineserver -k" 2>/dev/null || true

#!/usr/bin/env bash
# Installs what is missing, builds, and runs kestavo.exe under Wine. With no display it runs
# under Xvfb and saves a screenshot instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-env.sh"
had_display=0
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then had_display=1; fi
kestavo_wine_prefix

app="$KESTAVO_BUILD/demo/app"
mkdir -p "$app"
cp "$KESTAVO_BUILD/win/kestavo.exe" "$app/"

if [ $had_display = 1 ]; then
  wine "$app/kestavo.exe" "$@"
  exit 0
fi

trap kestavo_wine_stop EXIT
shots="$KESTAVO_BUILD/demo/screenshots"
mkdir -p "$shots"
wine "$app/kestavo.exe" "$@" </dev/null >/dev/null 2>&1 &
pid=$!
sleep 6
import -window root -crop 640x480+0+0 "$shots/window.png"
kill "$pid" 2>/dev/null || true
echo "No display: ran under Xvfb. Screenshot: $shots/window.png"

#!/usr/bin/env bash
# Installs what is missing, builds, starts the stand-in update service on loopback with its
# demo data, and runs kestavo.exe under Wine against it.
# With a display you use the window yourself. Without one the demo runs under Xvfb, waits for
# the update check, presses Update itself and saves a screenshot of each state.
#   scripts/demo.sh [LANGUAGE-CODE]      (default: the language of the Wine prefix)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" >/dev/null

# The Thai text set needs a UI face that itself holds Thai.
if [ "${1:-}" = 041E ]; then export KESTAVO_THAI_FONTS=1; fi
source "$root/scripts/wine-env.sh"
had_display=0
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then had_display=1; fi
kestavo_wine_prefix

demo="$KESTAVO_BUILD/demo"
rm -rf "$demo/service" "$demo/app"
mkdir -p "$demo/app" "$demo/screenshots"
cp -r "$root/tools/update-service/demo-data" "$demo/service"
cp "$KESTAVO_BUILD/win/kestavo_demo_package.exe" "$demo/service/upload/KestavoItem/KESTDEMO.exe"
cp "$KESTAVO_BUILD/win/kestavo.exe" "$demo/app/"

"$KESTAVO_BUILD/native/kestavo-update-service" --listen 127.0.0.1:0 --data "$demo/service" >"$demo/service.log" 2>&1 &
service_pid=$!
app_pid=""
finish() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  kill "$service_pid" 2>/dev/null || true
  [ $had_display = 1 ] || kestavo_wine_stop
}
trap finish EXIT
port=""
while [ -z "$port" ]; do sleep 0.1; port=$(sed -n '1s/^listening 127\.0\.0\.1://p' "$demo/service.log"); done
export KESTAVO_UPDATE_HOST="127.0.0.1:$port"
echo "Stand-in update service on $KESTAVO_UPDATE_HOST (request log: $demo/service.log)"

if [ $had_display = 1 ]; then
  wine "$demo/app/kestavo.exe" "$@"
  exit 0
fi

probe() { wine "$KESTAVO_BUILD/win/tests/kestavo_probe.exe" "$@" 2>/dev/null; }
title="Tavrine System BIOS Update"
shot() {
  local x y w h
  read -r x y w h _ < <(probe window "$title")
  import -window root -crop "${w}x${h}+${x}+${y}" "$demo/screenshots/$1.png"
  echo "  $demo/screenshots/$1.png"
}
# The stand-in package shows a message box when it starts; without a display nobody closes it.
export KESTAVO_DEMO_PACKAGE_QUIET=1
wine "$demo/app/kestavo.exe" "$@" </dev/null >/dev/null 2>&1 &
app_pid=$!
probe wait "$title" 30000
echo "No display: running under Xvfb. Screenshots:"
sleep 0.3
shot 1-start
# The update check ends when Update is enabled or a status text appears.
for _ in $(seq 150); do
  [ "$(probe control "$title" 1003 | cut -d' ' -f2)" = 1 ] && break
  [ -n "$(probe text "$title" 1005)" ] && break
  sleep 0.2
done
sleep 0.3
shot 2-checked
read -r x y < <(probe center "$title" 1003)
xdotool mousemove --sync "$x" "$y" click 1
# The stand-in package leaves a marker beside itself when it runs.
for _ in $(seq 150); do
  [ -f "$demo/app/KESTDEMO.exe.ran" ] && break
  sleep 0.2
done
xdotool mousemove 0 0
sleep 0.5
shot 3-after-update
if [ -f "$demo/app/KESTDEMO.exe.ran" ]; then
  echo "Update downloaded $demo/app/KESTDEMO.exe and started it."
else
  echo "Update did not start the package: $(probe text "$title" 1005)"
fi
echo "Service requests:"
sed -n '2,$p' "$demo/service.log" | sed 's/^/  /'

#!/usr/bin/env bash
# The Update download against curl -o from the same service in the same run (throughput ratio),
# and the program's peak memory during the download, for packages of SIZES_MB.
source "$(dirname "$0")/bench_lib.sh"
SIZES_MB=${SIZES_MB:-"64 256"}
GUIDE=$'To install the latest BIOS, choose the "Update" button;\nto download, choose the "download" button.'

peak_kib() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status"; }

echo "machine: $(machine)"
for mb in $SIZES_MB; do
  name="PKG$mb.exe"
  start_service $'*\t42\t08BN\t'"$name"
  package="$WORK/service/upload/KestavoItem/$name"
  cp "$BUILD_WIN/kestavo_demo_package.exe" "$package"
  truncate -s $((mb * 1048576)) "$package"
  url="http://$KESTAVO_UPDATE_HOST/upload/KestavoItem/$name"

  curl -s -o /dev/null "$url"  # warm the page cache for both
  curl_s=$(curl -s -o "$WORK/curl.out" -w '%{time_total}' "$url")
  rm -f "$WORK/curl.out"

  start_app 0409
  wine "$PROBE" waittext "$TITLE" 1005 "$GUIDE" 60000 >/dev/null 2>&1
  before=$(peak_kib "$APP_PID")
  read -r x y < <(wine "$PROBE" center "$TITLE" 1003 2>/dev/null)
  wine "$PROBE" waitpos "$TITLE" 1011 100 600000 >"$WORK/done" 2>/dev/null &
  probe_pid=$!
  sleep 1
  t0=$(now_ms)
  xdotool mousemove --sync "$x" "$y" click 1
  wait "$probe_pid"
  t1=$(cut -d' ' -f2 <"$WORK/done")
  after=$(peak_kib "$APP_PID")
  size=$(stat -c %s "$WORK/app/$name" 2>/dev/null || echo 0)
  stop_app
  kill "$SERVICE_PID" && wait "$SERVICE_PID" 2>/dev/null || true
  SERVICE_PID=""

  awk -v mb="$mb" -v k_ms=$((t1 - t0)) -v c_s="$curl_s" -v before="$before" -v after="$after" -v size="$size" 'BEGIN {
    k = mb / (k_ms / 1000); c = mb / c_s
    printf "%d MiB: kestavo Update %.0f ms (%.0f MiB/s), curl -o %.0f ms (%.0f MiB/s), ratio kestavo/curl %.2f; file %s bytes\n", mb, k_ms, k, c_s * 1000, c, k / c, size
    printf "%d MiB: kestavo peak resident memory %.1f MiB before the download, %.1f MiB after (growth %.1f MiB)\n", mb, before / 1024, after / 1024, (after - before) / 1024
  }'
done

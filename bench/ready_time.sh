#!/usr/bin/env bash
# Time from process start to the Ready state against the local stand-in service (median of
# RUNS runs), next to the time the window itself takes to appear and curl's time for the
# same latest-item request.
source "$(dirname "$0")/bench_lib.sh"
RUNS=${RUNS:-7}
GUIDE=$'To install the latest BIOS, choose the "Update" button;\nto download, choose the "download" button.'

start_service $'*\t1234\t05QX\tITEM05QX.exe'
: >"$WORK/ready" && : >"$WORK/window"
for _ in $(seq "$RUNS"); do
  wine "$PROBE" waittext "$TITLE" 1005 "$GUIDE" 60000 >"$WORK/seen" 2>/dev/null &
  probe_pid=$!
  sleep 1  # the probe is polling before the program starts
  t0=$(now_ms)
  start_app 0409
  wait "$probe_pid"
  read -r window_ms ready_ms <"$WORK/seen"
  echo $((window_ms - t0)) >>"$WORK/window"
  echo $((ready_ms - t0)) >>"$WORK/ready"
  stop_app
done
url="http://$KESTAVO_UPDATE_HOST/KestavoWebServiceProc.asmx/GetContents?platformID=BC&PartNumber=AAAA"
curl_ms=$(for _ in $(seq "$RUNS"); do curl -s -o /dev/null -w '%{time_total}\n' "$url"; done | median | awk '{ printf "%.1f", $1 * 1000 }')

echo "machine: $(machine)"
echo "runs: $RUNS"
echo "start -> window shown (median ms): $(median <"$WORK/window")   [all: $(tr '\n' ' ' <"$WORK/window")]"
echo "start -> Ready (median ms):        $(median <"$WORK/ready")   [all: $(tr '\n' ' ' <"$WORK/ready")]"
echo "window shown -> Ready (median ms): $(paste "$WORK/window" "$WORK/ready" | awk '{ print $2 - $1 }' | median)"
echo "curl, same latest-item request (median ms): $curl_ms"

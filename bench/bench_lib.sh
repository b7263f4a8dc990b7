# Shared by the benchmarks: the built program, the stand-in service and the Wine set-up.
# Benchmarks print figures and ratios; they never pass or fail on time.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/wine-env.sh"
BUILD_WIN="$KESTAVO_BUILD/win"
SERVICE_EXE="$KESTAVO_BUILD/native/kestavo-update-service"
PROBE="$BUILD_WIN/tests/kestavo_probe.exe"
TITLE="Tavrine System BIOS Update"
export KESTAVO_DEMO_PACKAGE_QUIET=1

if [ ! -x "$SERVICE_EXE" ] || [ ! -f "$BUILD_WIN/kestavo.exe" ] || [ ! -f "$PROBE" ]; then
  bash "$ROOT/scripts/install-deps.sh"
  bash "$ROOT/scripts/build.sh" >/dev/null
fi
kestavo_wine_prefix

WORK=$(mktemp -d "${TMPDIR:-/tmp}/kestavo-bench.XXXXXX")
SERVICE_PID=""
APP_PID=""
bench_cleanup() {
  [ -z "$APP_PID" ] || kill "$APP_PID" 2>/dev/null || true
  [ -z "$SERVICE_PID" ] || kill "$SERVICE_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap bench_cleanup EXIT

now_ms() { date +%s%3N; }

# start_service CATALOGUE-LINE [OPTIONS...]: the service on a free port; sets PORT and KESTAVO_UPDATE_HOST.
start_service() {
  mkdir -p "$WORK/service/upload/KestavoItem"
  printf '%s\n' "$1" >"$WORK/service/catalogue.tsv"
  shift
  "$SERVICE_EXE" --listen 127.0.0.1:0 --data "$WORK/service" "$@" >"$WORK/service.log" 2>&1 &
  SERVICE_PID=$!
  PORT=""
  while [ -z "$PORT" ]; do sleep 0.05; PORT=$(sed -n '1s/^listening 127\.0\.0\.1://p' "$WORK/service.log"); done
  export KESTAVO_UPDATE_HOST="127.0.0.1:$PORT"
}

# start_app ARGS...: a fresh copy of the program in $WORK/app; sets APP_PID.
start_app() {
  rm -rf "$WORK/app" && mkdir -p "$WORK/app"
  cp "$BUILD_WIN/kestavo.exe" "$WORK/app/"
  wine "$WORK/app/kestavo.exe" "$@" </dev/null >/dev/null 2>&1 &
  APP_PID=$!
}

stop_app() {
  [ -z "$APP_PID" ] || { kill "$APP_PID" 2>/dev/null || true; wait "$APP_PID" 2>/dev/null || true; }
  APP_PID=""
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }

machine() {
  echo "$(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1), $(wine --version 2>/dev/null)"
}

# The stand-in update service for an end-to-end test: a data folder of the test's own, the
# service on a free loopback port, and its request log. Source after lib.sh.
#   start_service CATALOGUE-LINE... [-- SERVICE-OPTIONS...]
BUILD_WIN=$(cd "$(dirname "$KESTAVO_EXE")" && pwd)
SERVICE_EXE="$BUILD_WIN/../native/kestavo-update-service"
DEMO_PACKAGE="$BUILD_WIN/kestavo_demo_package.exe"
SERVICE_DATA="$WORK/service"
SERVICE_LOG="$WORK/service.log"
SERVICE_PID=""
# The stand-in package leaves its marker without a message box.
export KESTAVO_DEMO_PACKAGE_QUIET=1

start_service() {
  mkdir -p "$SERVICE_DATA/upload/KestavoItem"
  : >"$SERVICE_DATA/catalogue.tsv"
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    printf '%s\n' "$1" >>"$SERVICE_DATA/catalogue.tsv"
    shift
  done
  [ "${1:-}" != "--" ] || shift
  "$SERVICE_EXE" --listen 127.0.0.1:0 --data "$SERVICE_DATA" "$@" >"$SERVICE_LOG" 2>"$WORK/service.err" &
  SERVICE_PID=$!
  local port=""
  for _ in $(seq 100); do
    port=$(sed -n '1s/^listening 127\.0\.0\.1://p' "$SERVICE_LOG")
    [ -z "$port" ] || break
    sleep 0.1
  done
  [ -n "$port" ] || { echo "FAIL: the service did not start: $(cat "$WORK/service.err")" >&2; exit 1; }
  export KESTAVO_UPDATE_HOST="127.0.0.1:$port"
}

stop_service() {
  if [ -n "$SERVICE_PID" ]; then kill "$SERVICE_PID" 2>/dev/null || true; wait "$SERVICE_PID" 2>/dev/null || true; fi
  SERVICE_PID=""
}

# Puts a package into the upload folder: the stand-in package program, padded to $2 bytes when given.
add_package() {
  local file="$SERVICE_DATA/upload/KestavoItem/$1"
  cp "$DEMO_PACKAGE" "$file"
  if [ -n "${2:-}" ]; then truncate -s "$2" "$file"; fi
}

# Request-log lines (METHOD STATUS BYTES TARGET) whose target starts with $1.
log_requests() { sed -n '2,$p' "$SERVICE_LOG" | awk -v p="$1" '{ t = $0; sub(/^[^ ]+ [^ ]+ [^ ]+ /, "", t); if (index(t, p) == 1) print }'; }
count_requests() { log_requests "$1" | wc -l | tr -d ' '; }

# Waits up to $3 seconds until control $1 shows text $2.
wait_text() {
  local deadline=$((SECONDS + $3))
  while [ "$(probe text "$TITLE" "$1")" != "$2" ]; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}

# expect_text DESCRIPTION ID TEXT [SECONDS]: control ID comes to show TEXT within SECONDS (30).
expect_text() {
  if wait_text "$2" "$3" "${4:-30}"; then check "$1" "$3" "$3"; else check "$1" "$(probe text "$TITLE" "$2")" "$3"; fi
}

# Closes the window with its Close button; the process must end.
close_kestavo() {
  click_control 1007
  wait_exit 20 || { check "the window closes" running ended; kill "$KESTAVO_PID" 2>/dev/null || true; KESTAVO_PID=""; }
}

# The platform identifier the program's own rules make of what this system reports.
expected_platform() { wine "$BUILD_WIN/tests/kestavo_identity.exe" 2>/dev/null | sed -n 2p; }
expected_bios_version() { wine "$BUILD_WIN/tests/kestavo_identity.exe" 2>/dev/null | sed -n 1p; }

trap 'stop_service; cleanup' EXIT

GUIDE=$'To install the latest BIOS, choose the "Update" button;\nto download, choose the "download" button.'
CANNOT_DOWNLOAD="Cannot download."
CANNOT_CONNECT=$'Cannot connect to server or network connection is unstable.\nPlease try again.'
TRY_AGAIN=$'\nPlease try again.'
CURRENT_LABEL="Current System BIOS version : "
LATEST_LABEL="Latest downloadable BIOS version : "

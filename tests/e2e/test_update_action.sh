#!/usr/bin/env bash
# Update: the package arrives byte for byte in the program's folder, is counted after the
# download and started; a missing or cut-short package shows the failure text, is not
# counted and not started; a second press repeats the whole action.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/service_lib.sh"

package_path="/upload/KestavoItem"
counts_path="/KestavoWebServiceProc.asmx/SetKestavoCounts"

ready_with() {  # catalogue line, service options...
  start_service "$@"
  start_kestavo 0409
  wait_text 1005 "$GUIDE" 30 || { echo "FAIL: not Ready: $(probe text "$TITLE" 1005)" >&2; exit 1; }
}

wait_for_file() {
  local deadline=$((SECONDS + $2))
  until [ -f "$1" ]; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}

# Success.
ready_with $'*\t1234\t05QX\tITEM05QX.exe'
add_package ITEM05QX.exe 3000000
check "the progress bar is hidden before" "$(probe control "$TITLE" 1011 | cut -d' ' -f1)" 0
click_control 1003
if wait_for_file "$WORK/app/ITEM05QX.exe.ran" 60; then check "the package was started" started started; else check "the package was started" "not started" started; fi
check "the package arrived byte for byte" "$(cmp "$WORK/app/ITEM05QX.exe" "$SERVICE_DATA/upload/KestavoItem/ITEM05QX.exe" && echo same)" same
check "the package ran from the program's folder" "$(head -n 1 "$WORK/app/ITEM05QX.exe.ran" | tr -d '\r')" \
  "$(winepath -w "$WORK/app/ITEM05QX.exe")"
check "the count follows the download" "$(sed -n '2,$p' "$SERVICE_LOG" | grep -E "$package_path|$counts_path" | cut -d' ' -f4-)" \
  "$package_path/ITEM05QX.exe"$'\n'"$counts_path?ItemNo=1234"
check "the bar is visible at 100" "$(probe control "$TITLE" 1011 | cut -d' ' -f1) $(probe pos "$TITLE" 1011)" "1 100"
check "the status text keeps the guide" "$(probe text "$TITLE" 1005)" "$GUIDE"
check "Update stays enabled" "$(probe control "$TITLE" 1003 | cut -d' ' -f2)" 1
close_kestavo
stop_service

# A missing package (404), pressed twice.
rm -f "$WORK/app/"*.ran
ready_with $'*\t55\t06AB\tMISSING.exe'
click_control 1003
expect_text "404 shows the two-line failure text" 1005 "$CANNOT_DOWNLOAD$TRY_AGAIN" 60
check "404: the bar at 100" "$(probe pos "$TITLE" 1011)" 100
click_control 1003
sleep 3
check "a second press repeats the download" "$(count_requests "$package_path/MISSING.exe")" 2
check "404: nothing counted" "$(count_requests "$counts_path")" 0
check "404: nothing started" "$(ls "$WORK/app/" | grep -c '\.ran$')" 0
close_kestavo
stop_service

# A package the server cuts short, although the transfer may end as if complete.
ready_with $'*\t66\t07CD\tCUT.exe' -- --cut-packages 1000000
add_package CUT.exe 3000000
click_control 1003
expect_text "a cut package shows the failure text" 1005 "$CANNOT_DOWNLOAD$TRY_AGAIN" 60
sleep 2
check "cut: nothing counted" "$(count_requests "$counts_path")" 0
check "cut: nothing started" "$(ls "$WORK/app/" | grep -c '\.ran$')" 0
check "the window stays usable" "$(probe control "$TITLE" 1003 | cut -d' ' -f1-2)" "1 1"
close_kestavo
finish

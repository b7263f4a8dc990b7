#!/usr/bin/env bash
# Download: the browser receives the package address, the count is reported, the window stays.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/service_lib.sh"

# Wine hands web addresses to the programs listed here; ours records what it gets.
browser="$WORK/browser.sh"
cat >"$browser" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$@" >>"$WORK/browser.log"
SCRIPT
chmod +x "$browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$browser" /f >/dev/null 2>&1
trap 'wine reg delete "HKCU\\Software\\Wine\\WineBrowser" /v Browsers /f >/dev/null 2>&1; stop_service; cleanup' EXIT

start_service $'*\t1234\t05QX\tITEM 05QX.exe'
start_kestavo 0409
wait_text 1005 "$GUIDE" 30 || { echo "FAIL: not Ready: $(probe text "$TITLE" 1005)" >&2; exit 1; }
click_control 1006
deadline=$((SECONDS + 30))
until [ -s "$WORK/browser.log" ] || [ $SECONDS -ge $deadline ]; do sleep 0.2; done
# The program hands over the address with its blank; Wine's hand-off to the browser escapes it.
check "the browser gets the package address" "$(cat "$WORK/browser.log" 2>/dev/null)" \
  "http://$KESTAVO_UPDATE_HOST/upload/KestavoItem/ITEM%2005QX.exe"
sleep 1
check "the count is reported" "$(count_requests /KestavoWebServiceProc.asmx/SetKestavoCounts | tr -d ' ')" 1
check "the count names the item" "$(log_requests /KestavoWebServiceProc.asmx/SetKestavoCounts | cut -d' ' -f4-)" \
  "/KestavoWebServiceProc.asmx/SetKestavoCounts?ItemNo=1234"
check "the window stays" "$(probe window "$TITLE" | cut -d' ' -f5)" 1
check "the progress bar is untouched" "$(probe control "$TITLE" 1011 | cut -d' ' -f1)" 0
click_control 1007
wait_exit 20 || check "the window closes" running ended
finish

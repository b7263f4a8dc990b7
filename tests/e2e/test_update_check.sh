#!/usr/bin/env bash
# The update check as a user sees it, against the stand-in service: Ready, No item,
# Unreachable, and a failure followed by a success.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/service_lib.sh"

platform=$(expected_platform)
installed=$(expected_bios_version)
start_text="$CURRENT_LABEL $installed"$'\n'"$LATEST_LABEL - "
contents_path="/KestavoWebServiceProc.asmx/GetContents"

# Ready: one query for this machine's platform, both versions, the guide, both buttons enabled.
start_service $'*\t1234\t05QX\tITEM05QX.exe'
start_kestavo 0409
expect_text "Ready shows the guide" 1005 "$GUIDE"
check "Ready shows both versions" "$(probe text "$TITLE" 1004)" "$CURRENT_LABEL $installed"$'\n'"$LATEST_LABEL 05QX"
check "Update is enabled" "$(probe control "$TITLE" 1003 | cut -d' ' -f1-2)" "1 1"
check "Download is enabled" "$(probe control "$TITLE" 1006 | cut -d' ' -f1-2)" "1 1"
sleep 2
check "exactly one query, for this machine's platform" "$(log_requests "$contents_path" | cut -d' ' -f1,2,4-)" \
  "GET 200 $contents_path?platformID=$platform&PartNumber=AAAA"
check "the content file is in the program's folder" "$(grep -c '<ID>1234</ID>' "$WORK/app/KestavoContent.xml")" 1
close_kestavo
stop_service

# No item: the answer names no item for this platform.
rm -f "$WORK/app/KestavoContent.xml"
start_service $'OTHER\t1\t01AA\tX.exe'
start_kestavo 0409
expect_text "No item shows the cannot-download text" 1005 "$CANNOT_DOWNLOAD"
check "No item keeps the start text" "$(probe text "$TITLE" 1004)" "$start_text"
check "Update stays disabled" "$(probe control "$TITLE" 1003 | cut -d' ' -f2)" 0
sleep 2
check "No item after one query" "$(count_requests "$contents_path")" 1
close_kestavo
stop_service

# Unreachable: two failed queries, then no third however long the window stays open.
start_service $'*\t1\t01AA\tX.exe' -- --fail-latest 1000
start_kestavo 0409
expect_text "Unreachable shows the cannot-connect text" 1005 "$CANNOT_CONNECT"
sleep 5
check "exactly two queries" "$(count_requests "$contents_path")" 2
check "Download stays disabled" "$(probe control "$TITLE" 1006 | cut -d' ' -f2)" 0
close_kestavo
stop_service

# A failure, then a success on the retry: Ready.
start_service $'*\t77\t09ZZ\tP.exe' -- --fail-latest 1
start_kestavo 0409
expect_text "failure then success ends Ready" 1005 "$GUIDE"
check "two queries" "$(log_requests "$contents_path" | cut -d' ' -f2 | tr '\n' ' ')" "503 200 "
close_kestavo
finish

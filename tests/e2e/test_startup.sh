#!/usr/bin/env bash
# The program starts in the language of its command line, any command line, and closes when asked.
source "$(dirname "$0")/lib.sh" "$@"

korean_description=$'Tavrine System BIOS Update\uB294 \uC0AC\uC6A9\uC911\uC778 \uC81C\uD488\uC5D0 \uB9DE\uB294 BIOS\uB97C \uB2E4\uC6B4\uB85C\uB4DC\uD558\uC5EC \uC124\uCE58\uD560 \uC218 \uC788\uB3C4\uB85D \uB3C4\uC640\uC8FC\uB294 \uC18C\uD504\uD2B8\uC6E8\uC5B4 \uC785\uB2C8\uB2E4.'
english_description="Tavrine System BIOS Update downloads and installs the latest BIOS to your system."

start_kestavo 0412
check "0412 shows the Korean description" "$(probe text "$TITLE" 1001)" "$korean_description"
click_control 1007
if wait_exit 20; then check "Close ends the process" ended ended; else check "Close ends the process" running ended; fi

# Any command line is taken as the code; unknown ones give the default text set.
for args in "0409 " "$(head -c 30000 /dev/zero | tr '\0' 'x')" '%s%n%x"&|<>'; do
  start_kestavo "$args"
  check "command line of ${#args} characters gives the default set" "$(probe text "$TITLE" 1001)" "$english_description"
  click_control 1009
  if wait_exit 20; then check "the title-band close ends the process" ended ended; else check "the title-band close ends the process" running ended; fi
done
finish

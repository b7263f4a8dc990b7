#!/usr/bin/env bash
# The window as a user sees it: its size, place, region and layout, the start texts and states,
# the painted skin, dragging by the top band, hover, the About box, minimise and restore, and
# both close buttons.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/service_lib.sh"

LISTENER_PID=""
trap '[ -z "$LISTENER_PID" ] || kill "$LISTENER_PID" 2>/dev/null; stop_service; cleanup' EXIT

ended_by() {  # ended_by DESCRIPTION: waits for the program to end
  if wait_exit 20; then check "$1" ended ended; else check "$1" running ended; fi
}

# --- The start state. The service here takes the connection and never answers, so whatever the
# update check does on its first ticks it waits there, and the start state stays on screen.
python3 -c 'import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(16)
print(s.getsockname()[1], flush=True); time.sleep(3600)' >"$WORK/listener.port" &
LISTENER_PID=$!
for _ in $(seq 50); do [ -s "$WORK/listener.port" ] && break; sleep 0.1; done
export KESTAVO_UPDATE_HOST="127.0.0.1:$(cat "$WORK/listener.port")"

start_kestavo 0409
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
check "468 x 364, centred on the screen, shown" "$(probe window "$TITLE")" \
  "$(( (screen_w - 468) / 2 )) $(( (screen_h - 364) / 2 )) 468 364 1 1 0"
read -r rl rt rr rb < <(probe region "$TITLE")
check "the region cuts 3 pixels at the left and top" "$rl $rt" "3 3"
# A round-rectangle region leaves out its last column and row as well (Wine: 465 361).
case "$rr $rb" in "465 361" | "466 362") check "the region's right and bottom edge" ok ok ;;
  *) check "the region's right and bottom edge" "$rr $rb" "465 361 or 466 362" ;; esac

# control: visible enabled x y width height, in client pixels
while read -r id expected; do
  check "control $id" "$(probe control "$TITLE" "$id")" "$expected"
done <<'TABLE'
1008 1 1 422 12 16 16
1009 1 1 443 12 16 16
1010 1 1 9 95 450 10
1001 1 1 134 130 300 45
1004 1 1 134 190 307 54
1005 1 1 34 250 409 32
1011 0 1 34 290 409 10
1003 1 0 68 315 120 31
1006 1 0 191 315 120 31
1007 1 1 314 315 120 31
TABLE
check "the versions show the installed version and an empty latest one" "$(probe text "$TITLE" 1004)" \
  "$CURRENT_LABEL $(expected_bios_version)"$'\n'"$LATEST_LABEL - "
check "the status area is empty" "$(probe text "$TITLE" 1005)" ""

# The painted skin: the title band beside the title, both strips' rows, the white body.
read -r wx wy _ < <(probe window "$TITLE")
snapshot "$WORK/start.png"
while read -r x y rgb; do
  check_near "pixel $x,$y" "$(pixel "$WORK/start.png" $((wx + x)) $((wy + y)))" "$rgb" 1
done <<'TABLE'
300 20 211 211 211
20 35 247 247 247
450 94 194 194 194
20 304 160 160 160
20 305 212 212 212
20 306 195 195 195
5 100 255 255 255
60 220 255 255 255
TABLE
kill "$KESTAVO_PID" 2>/dev/null; wait_exit 20 || true
kill "$LISTENER_PID" 2>/dev/null; LISTENER_PID=""

# --- Using the window. Nothing listens here: the update check fails at once and the window
# stays responsive.
export KESTAVO_UPDATE_HOST="127.0.0.1:1"
start_kestavo 0409
sleep 1
read -r x0 y0 _ < <(probe window "$TITLE")
drag() {  # drag FROM_X FROM_Y BY_X BY_Y (window pixels)
  xdotool mousemove --sync $((x0 + $1)) $((y0 + $2)) mousedown 1
  sleep 0.3
  xdotool mousemove --sync $((x0 + $1 + $3 / 2)) $((y0 + $2 + $4 / 2))
  sleep 0.2
  xdotool mousemove --sync $((x0 + $1 + $3)) $((y0 + $2 + $4))
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}
drag 250 17 60 45
check "dragging in the top band moves the window" "$(probe window "$TITLE" | cut -d' ' -f1-2)" "$((x0 + 60)) $((y0 + 45))"
x0=$((x0 + 60)) y0=$((y0 + 45))
drag 250 34 -30 -20
check "the band's last row still drags" "$(probe window "$TITLE" | cut -d' ' -f1-2)" "$((x0 - 30)) $((y0 - 20))"
x0=$((x0 - 30)) y0=$((y0 - 20))
drag 250 35 60 45
check "dragging from the row below the band does not" "$(probe window "$TITLE" | cut -d' ' -f1-2)" "$x0 $y0"
drag 100 200 60 45
check "dragging in the body does not" "$(probe window "$TITLE" | cut -d' ' -f1-2)" "$x0 $y0"

# Hover: the Close button shows its lavender inner border while the mouse rests on it.
xdotool mousemove --sync $((x0 + 200)) $((y0 + 200))
sleep 0.5
snapshot "$WORK/rest.png"
xdotool mousemove --sync $((x0 + 374)) $((y0 + 330))
sleep 0.5
snapshot "$WORK/hover.png"
check_near "Close at rest" "$(pixel "$WORK/rest.png" $((x0 + 315)) $((y0 + 330)))" "254 254 254" 30
check_near "Close under the mouse" "$(pixel "$WORK/hover.png" $((x0 + 315)) $((y0 + 330)))" "178 166 232" 3

state() { for id in 1001 1003 1004 1005 1006 1007 1011; do probe control "$TITLE" $id; probe text "$TITLE" $id; done; }
before=$(state)

# The About item of the system menu (Alt+Space; it is the menu's last item).
xdotool key alt+space
sleep 0.7
xdotool key Up Return
about=$'Kestavo \uC815\uBCF4'
if probe wait "$about" 10000; then check "the About item opens the About box" open open; else check "the About item opens the About box" none open; fi
check "the About box is modal" "$(probe window "$TITLE" | cut -d' ' -f6)" 0
xdotool key Return
if probe gone "$about" 10000; then check "OK closes the About box" closed closed; else check "OK closes the About box" open closed; fi
check "the dialog is as it was" "$(state)" "$before"
check "and usable again" "$(probe window "$TITLE" | cut -d' ' -f6)" 1

click_control 1008
sleep 1
check "the minimise button minimises" "$(probe window "$TITLE" | cut -d' ' -f7)" 1
probe restore "$TITLE"
sleep 1
check "restored in place" "$(probe window "$TITLE")" "$x0 $y0 468 364 1 1 0"
check "restored unchanged" "$(state)" "$before"

click_control 1007
ended_by "Close ends the process"

start_kestavo 0409
click_control 1009
ended_by "the title-band close ends the process"
finish

#!/usr/bin/env bash
# Full screen on a 1920 x 1080 display with a window manager: F11 shows the page scaled by 2,
# centred on black; a held click on the scaled "Membran" button acts; F11 again gives back the
# exact 640 x 480 window; Alt+Enter switches the same way.
# Usage: fullscreen_window_test.sh SCHALLAUSBREITUNG PICTURE_TOOL SEND_CLOSE GOLDEN_DIR
source "$(dirname "$0")/lib.sh"
program=$1 picture_tool=$2 send_close=$3 golden=$4

start_display 1920x1080
openbox >/dev/null 2>&1 &
PIDS+=($!)
sleep 0.5
start_program "$program"
xdotool windowactivate --sync "$win"

size_is() {  # WIDTHxHEIGHT: waits until the window has that size
  for _ in $(seq 40); do
    xdotool getwindowgeometry "$win" | grep -q "Geometry: $1" && return 0
    sleep 0.05
  done
  fail "the window is not $1: $(xdotool getwindowgeometry "$win" | tr '\n' ' ')"
}
root_pixel() { xwd -root -silent >"$WORK/root.xwd" && "$picture_tool" pixel "$WORK/root.xwd" "$1" "$2"; }

size_is 640x480
xdotool key F11
size_is 1920x1080
sleep 0.5
xwd -root -silent >"$WORK/full.xwd"
[ -n "${CAPTURES:-}" ] && "$picture_tool" convert "$WORK/full.xwd" "$CAPTURES/fullscreen.png"
"$picture_tool" scaled "$WORK/full.xwd" "$golden/rest-none.png" 2 || fail "full screen is not the page scaled by 2 on black"

# The "Membran" button's face at page (530, 462) lies at (320 + 2 * 530, 60 + 2 * 462).
xdotool mousemove 1380 984 mousedown 1
sleep 0.15
xdotool mouseup 1
sleep 0.3
[ "$(root_pixel 1380 992)" = ff0080 ] || fail "the click on the scaled Membran button did not act"
xdotool mousemove 100 1000  # on the black border: no page pixel, no click
xdotool key m
sleep 0.3
xdotool key F11
size_is 640x480
sleep 0.5
capture "$win" "$WORK/back.xwd"
"$picture_tool" compare "$WORK/back.xwd" "$golden/rest-membrane.png" || fail "the window after full screen differs"

xdotool key alt+Return
size_is 1920x1080
xdotool key alt+Return
size_is 640x480
sleep 0.3
capture "$win" "$WORK/again.xwd"
"$picture_tool" compare "$WORK/again.xwd" "$golden/rest-membrane.png" || fail "the window after Alt+Enter differs"
"$send_close" "$win"
wait_exit $app
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
echo "PASS"

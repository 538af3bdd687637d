#!/usr/bin/env bash
# The program in a real window, driven as a person would with xdotool.
# Usage: program_window_test.sh SCHALLAUSBREITUNG PICTURE_TOOL SEND_CLOSE GOLDEN_DIR
source "$(dirname "$0")/lib.sh"
program=$1 picture_tool=$2 send_close=$3 golden=$4

# shows FILE: the window shows exactly the picture FILE.
shows() {
  capture "$win" "$WORK/shown.xwd"
  "$picture_tool" compare "$WORK/shown.xwd" "$1" >"$WORK/compare" 2>&1
}

keep() { [ -n "${CAPTURES:-}" ] && "$picture_tool" convert "$WORK/shown.xwd" "$CAPTURES/$1.png" || true; }

start_display 1024x768

# Start-up: the scene without a barrier, exactly as the headless program draws it.
start_program "$program"
geometry=$(xdotool getwindowgeometry "$win")
echo "$geometry" | grep -q "Geometry: 640x480" || fail "window size: $geometry"
shows "$golden/rest-none.png" || { cat "$WORK/compare"; fail "the start-up picture differs"; }
keep start

# A held click on "Membran" highlights it; "m" then "r" sends a pulse that leaves the scene at rest.
click_at "$win" 530 462
sleep 0.3
[ "$(pixel 530 466)" = ff0080 ] || fail "Membran not highlighted: $(pixel 530 466)"
xdotool type m
sleep 0.3
shows "$golden/rest-membrane.png" || { cat "$WORK/compare"; fail "the membrane scene differs"; }
xdotool type r
sleep 0.25
shows "$golden/rest-membrane.png" && fail "the pulse does not show"
keep pulse
rested=""
for _ in $(seq 40); do
  sleep 0.1
  if shows "$golden/rest-membrane.png"; then rested=yes; break; fi
done
[ -n "$rested" ] || fail "the row did not come back to rest after the pulse"

# A sine against the wall; the pause freezes the picture until a click.
xdotool type w
xdotool type s
sleep 1
capture "$win" "$WORK/shown.xwd"
keep sine-wall
[ "$(pixel 600 200)" = 0000ff ] || fail "no wall plate"
click_at "$win" 250 462
sleep 0.5
capture "$win" "$WORK/paused1.xwd"
sleep 0.7
capture "$win" "$WORK/paused2.xwd"
"$picture_tool" compare "$WORK/paused1.xwd" "$WORK/paused2.xwd" >/dev/null || fail "the picture moved during the pause"
click_at "$win" 150 300
sleep 0.5
capture "$win" "$WORK/running.xwd"
"$picture_tool" compare "$WORK/paused2.xwd" "$WORK/running.xwd" >/dev/null && fail "the picture still stands after the pause"

# The info screen appears, and a key takes it away.
click_at "$win" 627 439
sleep 0.5
[ "$(pixel 100 100)" = 0000ff ] || fail "no info screen"
[ "$(pixel 101 101)" = ffffaa ] || fail "the info box is not pale yellow"
capture "$win" "$WORK/shown.xwd"
keep info
xdotool type x
sleep 0.5
[ "$(pixel 101 101)" = ffffaa ] && fail "the info screen did not go"

# "Ende" ends the program with status 0.
click_at "$win" 297 462
wait_exit $app
[ "$exit_status" = 0 ] || fail "Ende: exit status $exit_status"

# The key "e" and the close request end it with status 0 too.
start_program "$program"
xdotool type e
wait_exit $app
[ "$exit_status" = 0 ] || fail "e: exit status $exit_status"
start_program "$program"
"$send_close" "$win"
wait_exit $app
[ "$exit_status" = 0 ] || fail "close request: exit status $exit_status"
echo "PASS"

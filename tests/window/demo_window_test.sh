#!/usr/bin/env bash
# The facility in a real window: title, size and centring, a pixel-exact picture, key strings, the
# close request, the mouse reading, and a click seen while the program polls without sleeping.
# Usage: demo_window_test.sh SCREEN_DEMO PICTURE_TOOL SEND_CLOSE
source "$(dirname "$0")/lib.sh"
demo=$1 picture_tool=$2 send_close=$3

start_display 1024x768
"$demo" --dump "$WORK/expected.ppm" >"$WORK/out" 2>&1 &
app=$!
PIDS+=($app)
win=$(wait_window screen_demo)
wait_for_line "$WORK/out" '^ready'

geometry=$(xdotool getwindowgeometry "$win")
echo "$geometry" | grep -q "Geometry: 640x480" || fail "window size: $geometry"
echo "$geometry" | grep -q "Position: 192,144" || fail "window not centred on 1024x768: $geometry"

capture "$win" "$WORK/shown.xwd"
"$picture_tool" compare "$WORK/shown.xwd" "$WORK/expected.ppm" || fail "the window does not show the page exactly"

# The mouse: position and left button in window coordinates, -1 outside.
xdotool mousemove --window "$win" 100 120
wait_for_line "$WORK/out" '^mouse 100 120 0 '
pressed=$(now_ms)
xdotool mousedown 1
sleep 0.15
xdotool mouseup 1
wait_for_line "$WORK/out" '^mouse 100 120 1 '
seen=$(grep -E '^mouse 100 120 1 ' "$WORK/out" | head -n 1 | awk '{print $5}')
latency=$((seen - pressed))
echo "click seen ${latency} ms after the press, while polling without sleep"
[ "$latency" -le 50 ] || fail "the click was seen only after ${latency} ms"
wait_for_line "$WORK/out" '^mouse 100 120 0 '
xdotool mousemove 5 5
wait_for_line "$WORK/out" '^mouse -1 -1 -1 '
xdotool mousemove --window "$win" 639 479
wait_for_line "$WORK/out" '^mouse 639 479 0 '

# Typed keys arrive as their key strings, each once; German letters as their code page 437 bytes.
xdotool type a
xdotool type E
xdotool type "äß"
xdotool key Return Up F1 F11 alt+Return Escape
wait_for_line "$WORK/out" '^key 1b$'
expected=$'key 61\nkey 45\nkey 84\nkey e1\nkey 0d\nkey ff 48\nkey ff 3b\nkey ff 85\nkey 0d\nkey 1b'
[ "$(grep '^key' "$WORK/out")" = "$expected" ] || fail "key strings: $(grep '^key' "$WORK/out" | tr '\n' ' ')"

# The close request is queued as byte 255 and "k"; the window stays open until endProgram.
"$send_close" "$win"
wait_for_line "$WORK/out" '^key ff 6b$'
wait_exit $app
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
echo "PASS"

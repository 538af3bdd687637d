#!/usr/bin/env bash
# What a class can do to the program in a real window: a flood of keys, focus lost while a button
# is held, the close request in every state, and minutes of random clicks and keys.
# Usage: faults_window_test.sh SCHALLAUSBREITUNG PICTURE_TOOL SEND_CLOSE [SOAK_SECONDS [MAX_GROWTH_KB]]
# (MAX_GROWTH_KB 0: the memory's growth is reported, not judged.)
source "$(dirname "$0")/lib.sh"
program=$1 picture_tool=$2 send_close=$3 soak_seconds=${4:-120} max_growth_kb=${5:-4096}

resident_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# close_and_time: sends the close request; sets closed_ms to the time until the process ended.
close_and_time() {
  local sent
  sent=$(now_ms)
  "$send_close" "$win"
  wait_exit $app
  closed_ms=$(( $(now_ms) - sent ))
  [ "$exit_status" = 0 ] || fail "close request: exit status $exit_status"
}

start_display 1024x768

# 200 keys as fast as xdotool types them; the program keeps up and still ends with "e".
echo "-- flood of keys"
start_program "$program"
letters=abcdfghijknopqtuvxyzABCDEFGHIJKLMNOPQRSTUVWXYZ
flood=""
for i in $(seq 200); do flood+=${letters:$((RANDOM % ${#letters})):1}; done
xdotool type --delay 0 "${flood:0:150}"
xdotool key --delay 0 Up Down Left Right Return Up Down Return Left Right Up Down Return Up Down Return \
  Left Right Up Down Return Up Down Return Left Right Up Down Return Up Down Return Left Right Up Down Return \
  Up Down Return Left Right Up Down Return Up Down Return
xdotool type --delay 0 w
sleep 1
[ "$(pixel 600 200)" = 0000ff ] || fail "the program did not catch up with the keys"
xdotool type e
wait_exit $app
[ "$exit_status" = 0 ] || fail "e after the flood: exit status $exit_status"

# Focus lost while a button is held: the held button is dropped and nothing is clicked afterwards.
echo "-- focus lost"
xclock -geometry 100x100+0+0 &
PIDS+=($!)
clock=$(wait_window xclock)
start_program "$program"
xdotool windowfocus "$win"
xdotool mousemove --window "$win" 530 462
sleep 0.1
xdotool mousedown 1
sleep 0.3
[ "$(pixel 530 466)" = ff0080 ] || fail "Membran held but not highlighted"
xdotool windowfocus "$clock"
sleep 0.3
xdotool windowfocus "$win"
sleep 0.3
xdotool type w
sleep 0.5
highlight=$(pixel 530 466) wall=$(pixel 600 200)
xdotool mouseup 1
[ "$highlight" = dcdcdc ] || fail "the held button still acted after the focus came back ($highlight)"
[ "$wall" = 0000ff ] || fail "the wall key did not act"
sleep 0.2
close_and_time
echo "close request while running: ended after ${closed_ms} ms"
[ "$closed_ms" -le 500 ] || fail "the close request took ${closed_ms} ms"

# The close request during the info screen cuts it short and ends the program.
echo "-- close during the info screen"
start_program "$program"
click_at "$win" 627 439
sleep 1
[ "$(pixel 100 100)" = 0000ff ] || fail "no info screen"
close_and_time
echo "close request during the info screen: ended after ${closed_ms} ms"
[ "$closed_ms" -le 500 ] || fail "the close request during the info screen took ${closed_ms} ms"

# The close request during a pause acts once the pause has ended.
echo "-- close during a pause"
start_program "$program"
click_at "$win" 250 462
sleep 0.5
"$send_close" "$win"
sleep 1
kill -0 $app 2>/dev/null || fail "the close request acted during the pause"
click_at "$win" 150 300
wait_exit $app
[ "$exit_status" = 0 ] || fail "close request after the pause: exit status $exit_status"

# Minutes of random held clicks over the panel and random keys: no crash, flat memory.
echo "-- random clicks"
start_program "$program"
sleep 2
first_kb=$(resident_kb $app)
keys=(l r s w m x q E S R space Up Down Return)
end=$(( $(date +%s) + soak_seconds ))
clicks=0
while [ "$(date +%s)" -lt "$end" ]; do
  x=$((RANDOM % 640)) y=$((440 + RANDOM % 40))
  if [ $x -gt 275 ] && [ $x -lt 319 ]; then continue; fi  # not "Ende"
  xdotool mousemove --window "$win" $x $y mousedown 1
  sleep 0.$((1 + RANDOM % 3))
  xdotool mouseup 1 key --delay 0 "${keys[$((RANDOM % ${#keys[@]}))]}"
  clicks=$((clicks + 1))
  kill -0 $app 2>/dev/null || fail "the program ended during the random clicks"
done
last_kb=$(resident_kb $app)
echo "$clicks random clicks in ${soak_seconds} s; resident memory ${first_kb} kB, then ${last_kb} kB"
if [ "$max_growth_kb" -gt 0 ] && [ $((last_kb - first_kb)) -gt "$max_growth_kb" ]; then
  fail "the resident memory grew from ${first_kb} kB to ${last_kb} kB"
fi
click_at "$win" 150 300  # ends a pause the last click may have started
close_and_time
echo "PASS"

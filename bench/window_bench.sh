#!/usr/bin/env bash
# Measures the real program in a real window under Xvfb: start-up to the first frame on screen,
# whole-process CPU while a sine runs against the wall at the default speed, peak resident memory,
# the latency from a key or a held click to the first shown frame that reflects it, and the frame
# rate at the fastest speed. Usage: bench/window_bench.sh [BUILD_FOLDER] [CPU_SECONDS]
# (The build needs the benchmarks: libxtst-dev for latency_probe.)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
cpu_seconds=${2:-20}
source "$here/../tests/window/lib.sh"
program=$build/shell/schallausbreitung picture_tool=$build/tests/picture_tool send_close=$build/tests/send_close
golden=$here/../tests/golden

start_display 1024x768

# Start-up: from the launch until the window shows the first frame.
launched=$(now_ms)
"$program" &
app=$!
PIDS+=($app)
win=""
until [ -n "$win" ]; do win=$(xdotool search --name '^schallausbreitung$' 2>/dev/null | head -n 1 || true); done
until xwd -id "$win" -silent >"$WORK/s.xwd" 2>/dev/null && "$picture_tool" compare "$WORK/s.xwd" "$golden/rest-none.png" >/dev/null; do :; done
echo "start-up to the first frame on screen: $(( $(now_ms) - launched )) ms (one capture takes about 10 ms)"
sleep 1

# Latency: from a key, or a press over a button, to the first shown frame that reflects it, timed
# by latency_probe, which presses through XTest and reads the window's pixel until it changes.
key_times=() click_times=()
for i in $(seq 20); do
  xdotool key m
  sleep 0.$((2 + RANDOM % 5))
  key_times+=("$("$build/bench/latency_probe" "$win" key w 600 200 0000ff)")  # the wall's plate
  sleep 0.$((2 + RANDOM % 5))
  click_times+=("$("$build/bench/latency_probe" "$win" click 530 462 600 200 dcdcdc)")  # "Membran": the wall goes
done
summary() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {printf "min %.1f, median %.1f, max %.1f ms", v[1], v[int((NR + 1) / 2)], v[NR]}'; }
echo "latency from a key: $(summary "${key_times[@]}"); from a click: $(summary "${click_times[@]}") (bound: one frame, 32 ms, plus one refresh, 10 ms)"

# CPU and memory: a sine against the wall at the default speed.
xdotool key w s
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }
before=$(ticks)
sleep "$cpu_seconds"
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "whole-process CPU at the default speed: $(awk -v t=$((after - before)) -v hz="$hz" -v s="$cpu_seconds" 'BEGIN {printf "%.1f", 100 * t / hz / s}') % of one core over ${cpu_seconds} s"
echo "peak resident memory: $(awk '/^VmHWM:/ {print $2, $3}' "/proc/$app/status")"
"$send_close" "$win"
wait_exit $app

# The frame rate at the fastest speed.
"$build/bench/window_frame_rate" 10

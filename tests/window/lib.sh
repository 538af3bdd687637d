# Shared by the tests in a real window: a private Xvfb display, and helpers to find, capture and
# drive a window with xdotool as a person would. Source it; it cleans up after itself.
set -euo pipefail

WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# start_display [WIDTHxHEIGHT]: a fresh Xvfb of its own, with key repeat off.
start_display() {
  local size=${1:-1024x768}
  # -noreset: the server would reset when its last client leaves (xset below), and a program
  # connecting during that reset would find no display.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
  PIDS+=($!)
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
  [ -s "$WORK/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$WORK/display")"
  xset r off
}

# wait_window NAME: prints the id of the window titled NAME once it has stayed the same for 300 ms.
wait_window() {
  local id="" previous="" stable=0
  for _ in $(seq 200); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ] && [ "$id" = "$previous" ]; then
      stable=$((stable + 1))
      [ $stable -ge 6 ] && { echo "$id"; return 0; }
    else
      stable=0
    fi
    previous=$id
    sleep 0.05
  done
  fail "no window titled $1"
}

# wait_for_line FILE PATTERN [SECONDS]: waits until a line of FILE matches the extended regex.
wait_for_line() {
  local seconds=${3:-5}
  for _ in $(seq $((seconds * 20))); do
    grep -qE "$2" "$1" && return 0
    sleep 0.05
  done
  echo "--- $1:" >&2; tail -n 20 "$1" >&2
  fail "no line matching '$2' in $(basename "$1")"
}

# wait_exit PID [SECONDS]: waits for the process (a child of this shell) to end and sets
# exit_status to its exit status.
wait_exit() {
  local seconds=${2:-5}
  for _ in $(seq $((seconds * 20))); do
    if ! kill -0 "$1" 2>/dev/null; then
      exit_status=0
      wait "$1" || exit_status=$?
      return 0
    fi
    sleep 0.05
  done
  fail "process $1 did not end"
}

# capture WINDOW FILE.xwd
capture() { xwd -id "$1" -silent >"$2"; }

# start_program PROGRAM: starts the program, whose window is titled with its file name, and sets
# $app to its process and $win to its window.
start_program() {
  "$1" >"$WORK/out" 2>&1 &
  app=$!
  PIDS+=($app)
  if ! win=$(wait_window "$(basename "$1")"); then
    kill -0 $app 2>/dev/null && echo "the program is running" >&2 || echo "the program has ended" >&2
    cat "$WORK/out" >&2
    for id in $(xdotool search --name . 2>/dev/null); do echo "window $id: $(xdotool getwindowname "$id")" >&2; done
    fail "the program's window did not appear"
  fi
  sleep 0.3
}

# pixel X Y: the colour the window $win shows at (X, Y), as RRGGBB (needs $picture_tool).
pixel() {
  capture "$win" "$WORK/pixel.xwd"
  "$picture_tool" pixel "$WORK/pixel.xwd" "$1" "$2"
}

# click_at WINDOW X Y: moves the pointer there and holds the left button 150 ms, as a person clicks.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.05
  xdotool mousedown 1
  sleep 0.15
  xdotool mouseup 1
}

now_ms() { date +%s%3N; }

#!/usr/bin/env bash
# Idle check: starts Tremalo on a private Xvfb, lets it settle, then reports the CPU time it
# used and how often it woke up (context switches) over 10 seconds with no input.
# Usage: bench/idle.sh [seconds]   (after ./test.sh or ./run.sh has built build/)
# The measurement starts 12 s after the window got the focus (TREMALO_IDLE_SETTLE).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
work=$(mktemp -d)
xvfb=
program=
trap '[ -n "$program" ] && kill "$program" 2>/dev/null; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/Assets" "$work/runtime" && chmod 700 "$work/runtime"
cp "$root"/Assets/*.bmp "$work/Assets/"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
(cd "$work" && DISPLAY=:$(cat "$work/display") XDG_RUNTIME_DIR=$work/runtime \
   QT_QPA_PLATFORM=xcb exec "$root/build/ui/tremalo" 2>/dev/null) &
program=$!
# Give it the keyboard focus, as a user's click would: a focused field has a blinking caret,
# which blinks for 10 s after the last input and then holds still.
DISPLAY=:$(cat "$work/display") "$root/build/tests/x11_window" --focus "Tremalo 1.00"
sleep "${TREMALO_IDLE_SETTLE:-12}"

ticks() { awk '{print $14 + $15}' "/proc/$program/stat"; }   # user + system, clock ticks
switches() {
  awk '/^voluntary_ctxt_switches|^nonvoluntary_ctxt_switches/ {n += $2} END {print n}' \
    "/proc/$program/status"
}
hz=$(getconf CLK_TCK)
t0=$(ticks); s0=$(switches)
sleep "$seconds"
t1=$(ticks); s1=$(switches)
echo "idle for ${seconds} s: CPU time $(( (t1 - t0) * 1000 / hz )) ms, $((s1 - s0)) wake-ups"

#!/usr/bin/env bash
# Start-up of Tremalo against an empty Qt window of the same size, on a private Xvfb.
# Usage: bench/startup.sh [runs]   (after ./test.sh or ./run.sh has built build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-30}
work=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
# The program runs as a user would start it: in a folder with its Assets (no settings yet).
mkdir -p "$work/Assets" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
cp "$root"/Assets/*.bmp "$work/Assets/"
# A private X server on a free display; it writes the display's number when ready.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(cat "$work/display")
DISPLAY=$display QT_QPA_PLATFORM=xcb "$root/build/bench/startup_x11" "$runs" "$work" \
  "$root/build/ui/tremalo" "$root/build/bench/empty_window" "$root/build/bench/text_window"

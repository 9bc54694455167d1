#!/usr/bin/env bash
# Start-up of Tremalo against an empty Qt window of the same size, on a private Xvfb.
# Usage: bench/startup.sh [runs]   (after ./test.sh or ./run.sh has built build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-30}
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
# The program runs as a user would start it: in a folder with its Assets (no settings yet).
mkdir -p "$work/Assets" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
cp "$root"/Assets/*.bmp "$work/Assets/"
display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
DISPLAY=$display QT_QPA_PLATFORM=xcb "$root/build/bench/startup_x11" "$runs" "$work" \
  "$root/build/ui/tremalo" "$root/build/bench/empty_window" "$root/build/bench/text_window"

#!/usr/bin/env bash
# Rebuilds every picture in Assets/ from draw_pictures.cpp.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --target draw_pictures -j"$(nproc)"
QT_QPA_PLATFORM=offscreen "$root/build/Assets/source/draw_pictures" "$root/Assets"

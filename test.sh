#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/bootstrap.sh
(cd build && ctest --output-on-failure -j"$(nproc)")

# The fuzz targets need clang and libFuzzer: a second build, each target run briefly.
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTREMALO_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
(cd build-fuzz && ctest --output-on-failure -j"$(nproc)")

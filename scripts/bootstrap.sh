#!/usr/bin/env bash
# Shared by run.sh and test.sh: install what is missing (once), then configure and build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake make g++ pkg-config                 # build
  qt6-base-dev                              # the window
  libgtest-dev libbenchmark-dev             # tests and benchmarks
  xvfb xauth fonts-liberation locales       # window tests: a display, an Arial-metric font, a comma locale
  clang libclang-rt-dev                     # fuzz targets
  libxcb-damage0-dev                        # start-up benchmark
  desktop-file-utils appstream              # validating the installed desktop files
  dpkg-dev file                             # the .deb's dependency list (CPack)
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number-text tests run once under a locale whose decimal point is a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  as_root locale-gen >/dev/null
fi

build_type=${TREMALO_BUILD_TYPE:-RelWithDebInfo}
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE="$build_type" "$@" >/dev/null
cmake --build "$root/build" -j"$(nproc)"

#!/usr/bin/env bash
# Installs the build into a temporary prefix, validates the desktop files, and starts the
# installed launcher from a folder without Assets on a private X server: the window must
# show the sketch, and closing it must leave the settings in the per-user folder. As root,
# the same again with the .deb installed through apt (skipped if a tremalo package is
# already installed, and removed afterwards).
# Usage: install_test.sh <build folder> <x11_window helper>
set -euo pipefail
build=$1
helper=$2
app=de.tremalo.Tremalo
work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  [ -f "$work/deb-installed" ] && apt-get remove -y -qq tremalo >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tremalo bin/tremalo-launcher \
    share/tremalo/Assets/Zeichnung_S-Kurve_Gleis.bmp share/tremalo/Assets/calculator.bmp \
    share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/{16x16,24x24,32x32,48x48,256x256}/apps/$app.png; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/tremalo-launcher" ] || fail "launcher not executable"
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null

mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
# A private X server on a free display; it writes the display's number when ready.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(cat "$work/display")

# Starts a launcher in an empty folder, checks the window and closes it; the settings
# must then be in the per-user folder, and nowhere else.
launch() {
  local launcher=$1 home=$2
  mkdir -p "$home" "$work/elsewhere"
  (cd "$work/elsewhere" && HOME=$home XDG_DATA_HOME= DISPLAY=$display \
     XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb timeout 60 "$launcher" 2>/dev/null) &
  local program=$!
  DISPLAY=$display "$helper" "Tremalo 1.00" "$prefix/share/tremalo/Assets/Zeichnung_S-Kurve_Gleis.bmp" \
    0 85 16 21 || fail "$launcher: window not shown with its sketch"
  wait "$program" || fail "$launcher: program did not end cleanly"
  local settings=$home/.local/share/tremalo/Assets/Tremalo.ini
  [ -f "$settings" ] || fail "$launcher: no settings in $settings"
  head -c 17 "$settings" | grep -q "Tremalo Init File" || fail "$launcher: settings unreadable"
  [ -z "$(ls -A "$work/elsewhere")" ] || fail "$launcher: wrote into the starting folder"
}
launch "$prefix/bin/tremalo-launcher" "$work/home"

# The .deb, installed as a user would install it.
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W tremalo >/dev/null 2>&1; then
  (cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
  deb=$(ls "$work"/package/tremalo_*.deb)
  dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail ".deb does not depend on Qt"
  touch "$work/deb-installed"
  DEBIAN_FRONTEND=noninteractive timeout 240 apt-get install -y -qq --no-install-recommends \
    "$deb" </dev/null >/dev/null
  launch /usr/bin/tremalo-launcher "$work/debhome"
  echo ".deb installed, started and removed"
else
  echo "skipped the .deb (needs root, and no tremalo package installed)"
fi
echo "install test passed"

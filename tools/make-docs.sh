#!/usr/bin/env bash
# Draws the README's pictures with the programs themselves, so they show what the code does:
#   docs/gallery.png      every look in every state (the native quillet-render --gallery)
#   docs/main-window.png  wendral.exe's main window under Wine, as the screen shows it
# Needs the native build and a Windows build (the win32 one where this machine runs 32-bit
# code, else win64); builds the two programs if needed. Runs on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p docs

cmake --preset native >/dev/null
cmake --build --preset native --target quillet-render -j "$(nproc)" >/dev/null
build/native/bin/quillet-render --gallery --out "$(pwd)/build/gallery.png"
# The tool stores its pixels uncompressed; the same pixels compressed for the repository.
convert build/gallery.png -define png:compression-level=9 -define png:compression-filter=5 docs/gallery.png

build=build/win32
cmake --preset win32 >/dev/null
if ! build/win32/wine-run.sh --probe >/dev/null; then
  build=build/win64
  cmake --preset win64 >/dev/null
fi
cmake --build "$build" --target wendral -j "$(nproc)" >/dev/null

display=:$((500 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
stage=$(mktemp -d)
cleanup() {
  "$build/wine-run.sh" --stop-server >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$stage"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1

# A later run (the settings file is there), so the main window opens, in Windows7 mode.
cp "$build/bin/wendral.exe" "$stage/"
printf '[SSID]\r\nSSID=360WiFi-7A3C\r\nSSIDITEMO=0007\r\nSSIDITEMT=0007\r\n' >"$stage/360RI.INI"
root=$PWD
(cd "$stage" && exec "$root/$build/wine-run.sh" ./wendral.exe) >/dev/null 2>&1 &
window=""
for _ in $(seq 120); do
  window=$(xdotool search --onlyvisible --name '^Wendralv1\.5\.0$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.25
done
[ -n "$window" ] || { echo "make-docs.sh: the main window never showed" >&2; exit 1; }
sleep 1.5  # the banner and the button finish their first paint
import -window "$window" -define png:compression-level=9 docs/main-window.png
echo "Wrote docs/gallery.png and docs/main-window.png"

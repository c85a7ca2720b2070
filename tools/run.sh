#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine in the project's own prefix.
# On first use the prefix gets a simulated Wi-Fi stick: an adapter instance key "0007"
# holding an "SSID" value in both control sets. Without a display the program runs on a
# virtual one: a screenshot of its first window is saved, its path printed, and the
# program is ended.
#
# The program is 32-bit; where this machine's kernel refuses 32-bit code (or with
# WENDRAL_WINE64=1) the 64-bit build runs instead, under 64-bit Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
build=build/win32
cmake --preset win32 >/dev/null
if ! why=$(build/win32/wine-run.sh --probe); then
  build=build/win64
  echo "Starting the 64-bit wendral.exe under 64-bit Wine: $why."
  cmake --preset win64 >/dev/null
fi
cmake --build "$build" --target wendral -j "$(nproc)"
exe=$build/bin/wendral.exe
wine_run=$build/wine-run.sh
prefix=$build/wineprefix

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  display=:$((500 + RANDOM % 400))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
  export DISPLAY=$display
  sleep 1
fi

if [ ! -f "$prefix/.wendral-stick" ]; then
  for set in CurrentControlSet ControlSet001; do
    key='HKLM\SYSTEM\'$set'\Control\Class\{4D36E972-E325-11CE-BFC1-08002bE10318}\0007'
    "$wine_run" reg add "$key" /v DriverDesc /t REG_SZ /d "360 USB WiFi (simulated)" /f >/dev/null
    "$wine_run" reg add "$key" /v SSID /t REG_SZ /d "360WiFi-7A3C" /f >/dev/null
  done
  touch "$prefix/.wendral-stick"
  echo "Simulated Wi-Fi stick added to the Wine registry (slot 0007, SSID 360WiFi-7A3C)."
fi

if [ "$headless" = 0 ]; then
  exec "$wine_run" "$exe"
fi

"$wine_run" "$exe" &
program=$!
shot=$build/wendral-first-window.png
# The first window: the first-run box, or the main window on later runs.
for _ in $(seq 60); do
  xdotool search --onlyvisible --name '^(提示|Wendralv1\.5\.0)$' >/dev/null 2>&1 && break
  sleep 0.5
done
sleep 1
import -window root "$shot"
echo "Screenshot of the first window: $PWD/$shot"
"$wine_run" --stop-server >/dev/null 2>&1 || true
wait "$program" 2>/dev/null || true

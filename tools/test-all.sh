#!/usr/bin/env bash
# Builds every preset and runs every test: natively against the portable stand-ins,
# then the Windows build under Wine against the real API, on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

# A virtual display for tests that open windows; stopped on every way out.
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  for prefix in build/win32/wineprefix build/win64/wineprefix; do
    [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" wineserver -k >/dev/null 2>&1 || true
  done
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
export DISPLAY=$display

jobs=$(nproc)
status=0
for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
echo "== native tests =="
ctest --preset native -j "$jobs" || status=1
echo "== Windows tests under Wine (32-bit prefix, code page 936) =="
ctest --preset win32 -j "$jobs" || status=1
exit $status

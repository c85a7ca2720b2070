#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine in the project's own prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)"
exe=build/win32/bin/wendral.exe
if [ ! -f "$exe" ]; then
  echo "wendral.exe is not part of this build yet: the program's windows are still being written." >&2
  echo "What exists so far is exercised by tools/test-all.sh." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :93 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  trap 'kill $!' EXIT
  export DISPLAY=:93
fi
exec build/win32/wine-run.sh "$exe"

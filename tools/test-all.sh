#!/usr/bin/env bash
# Builds every preset and runs every test: natively against the portable stand-ins,
# then the Windows build under Wine against the real API, on a virtual display.
#
# The Windows suites run from the win32 build where this machine runs 32-bit code, and
# from the win64 build under 64-bit Wine where its kernel refuses it (the Wine runner
# decides). WENDRAL_WINE64=1 takes the 64-bit path on any machine. The static checks of
# the other build's programs (imports against Windows XP, known DLLs, manifest) run either
# way, and so does the package check of both architectures (tests/package_consumer: a
# project outside the tree built against the installed QuilletButton package, run where
# Wine can).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

# A virtual display for tests that open windows; stopped on every way out.
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  for build in build/win32 build/win64; do
    [ -x "$build/wine-run.sh" ] && "$build/wine-run.sh" --stop-server >/dev/null 2>&1 || true
  done
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
export DISPLAY=$display

jobs=$(nproc)
status=0

# Which Windows build's suites run here: the win32 build's where this machine runs 32-bit
# code, else the win64 build's under 64-bit Wine. Only that build compiles its test
# programs; the other builds its programs for the packages and their static checks.
probe() { WINEPREFIX="$PWD/build/$1/wineprefix" WINEARCH=$1 tools/wine-exec.sh --probe; }
if why=$(probe win32); then
  wine_preset=win32 other_preset=win64
elif why64=$(probe win64); then
  wine_preset=win64 other_preset=win32
  why="$why; $why64"
else
  echo "Neither Windows build can run under Wine here: $why; $(probe win64 || true)" >&2
  exit 1
fi

build() {  # build PRESET [COMMAND PREFIX...]
  local preset=$1 wine_tests=OFF
  shift
  [ "$preset" = "$wine_preset" ] && wine_tests=ON
  WENDRAL_WINE_TESTS=$wine_tests cmake --preset "$preset" >/dev/null
  WENDRAL_WINE_TESTS=$wine_tests "$@" cmake --build --preset "$preset" -j "$jobs"
}
for preset in native win32 win64; do
  build "$preset"
done

echo "== release packages =="
for preset in win32 win64; do
  cmake --build --preset "$preset" --target package >/dev/null
  tools/check-package.sh "build/$preset" || status=1
done

# The Windows suites mostly wait on Wine and the display: they run meanwhile the sanitize
# build and the native suites, which take only the CPU time they leave (nice 19). Their
# report follows once they end.
wine_log=build/wine-tests.log
ctest --preset "$wine_preset" -j "$jobs" >"$wine_log" 2>&1 &
wine_pid=$!
if ! build sanitize nice -n 19; then
  kill "$wine_pid" 2>/dev/null || true
  exit 1
fi
echo "== native tests =="
nice -n 19 ctest --preset native -j "$jobs" || status=1
echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets =="
nice -n 19 ctest --preset sanitize -j "$jobs" || status=1
echo "== Windows tests under Wine: the $wine_preset build ($why) =="
wait "$wine_pid" || status=1
cat "$wine_log"
echo "== static checks of the $other_preset programs; a program outside the tree built against its QuilletButton package =="
ctest --preset "$other_preset" -L 'static|package' || status=1
exit $status

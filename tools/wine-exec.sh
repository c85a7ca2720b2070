#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's settings:
# code page 936, a CJK font standing in for 宋体/SimSun, no Mono or Gecko prompts,
# a wineserver that stays up between runs so each suite pays Wine's start-up only once.
# Needs WINEPREFIX and WINEARCH; makes the prefix on first use (serialised by a lock).
set -euo pipefail
: "${WINEPREFIX:?}" "${WINEARCH:?}"
export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
export DISPLAY="${DISPLAY:-:99}"

wine_cmd=wine

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.wendral-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$wine_cmd" wineboot --init >/dev/null 2>&1
    "$(dirname "$0")/wine-fonts.sh" "$wine_cmd"
    wineserver -w
    touch "$WINEPREFIX/.wendral-ready"
  fi
) 9>"$WINEPREFIX.lock"

# Keep the server alive for a minute after the last program ends, and start Wine's own
# services detached from our output: they outlive the program, and would otherwise hold
# the caller's pipe open until the server exits.
wineserver -p60 </dev/null >/dev/null 2>&1 || true
"$wine_cmd" wineboot </dev/null >/dev/null 2>&1 || true
exec "$wine_cmd" "$@"

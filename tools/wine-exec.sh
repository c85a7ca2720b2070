#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's settings:
# code page 936 (or 1252, see WENDRAL_CODEPAGE), a CJK font standing in for 宋体/SimSun, Windows 7 system colours, no Mono or Gecko prompts,
# a wineserver that stays up between runs so each suite pays Wine's start-up only once.
# Needs WINEPREFIX and WINEARCH (win32 or win64); makes the prefix on first use (serialised
# by a lock). WENDRAL_CODEPAGE=1252 runs in a second prefix beside it, WINEPREFIX-cp1252,
# run in a locale whose ANSI code page is 1252 (Wine takes it from the locale), as
# on a Western Windows; unset or 936 is the project's usual prefix.
#
#   wine-exec.sh PROGRAM [ARGS...]   run PROGRAM
#   wine-exec.sh --probe             can this build run here? Prints one line saying why;
#                                    exit 0 if it can, 1 if not.
#   wine-exec.sh --stop-server       ends the prefix's wineserver (and what runs in it)
#   wine-exec.sh --env               readies the prefix and the server, then prints the
#                                    environment a program gets (NUL-separated; the loader
#                                    is WINELOADER), for tools that start it themselves
#
# Some machines' kernels refuse 32-bit x86 code ("32-bit emulation disabled"), and Debian's
# `wine` wrapper picks the 32-bit loader whenever wine32 is installed. So the loader is
# chosen here, by the build's architecture, and called directly: /usr/lib/wine/wine for
# win32, /usr/lib/wine/wine64 (with WINELOADER) for win64. Whether the 32-bit loader starts
# is tried once per build and remembered beside the prefix. WENDRAL_WINE64=1 makes a win32
# build report that it can't run, so the tests take the win64 path on any machine.
set -euo pipefail
: "${WINEPREFIX:?}" "${WINEARCH:?}"
case "${WENDRAL_CODEPAGE:-936}" in
  936) export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 ;;
  1252)
    export LC_ALL=C.UTF-8 LANG=C.UTF-8
    WINEPREFIX=$WINEPREFIX-cp1252
    ;;
  *) echo "wine-exec.sh: WENDRAL_CODEPAGE is 936 or 1252, not $WENDRAL_CODEPAGE" >&2; exit 2 ;;
esac
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
export DISPLAY="${DISPLAY:-:99}"

wine_lib=/usr/lib/wine
if [ "$WINEARCH" = win64 ]; then
  wine_cmd=$wine_lib/wine64
  export WINELOADER=$wine_lib/wine64
  export WINESERVER=$wine_lib/wineserver64
else
  wine_cmd=$wine_lib/wine
  export WINELOADER=$wine_lib/wine
  export WINESERVER=$wine_lib/wineserver64
  [ -x "$WINESERVER" ] || WINESERVER=$wine_lib/wineserver32
fi

# One line on whether this build's loader runs here; exit 0 if it does.
probe() {
  if [ "$WINEARCH" = win32 ] && [ -n "${WENDRAL_WINE64:-}" ] && [ "${WENDRAL_WINE64}" != 0 ]; then
    echo "the 64-bit path is forced by WENDRAL_WINE64=$WENDRAL_WINE64"
    return 1
  fi
  local cache="$WINEPREFIX.probe"
  if [ ! -f "$cache" ]; then
    mkdir -p "$(dirname "$cache")"
    local answer
    if answer=$(LC_ALL=C bash -c 'exec "$0" --version' "$wine_cmd" 2>&1); then
      echo "ok $answer" >"$cache"
    else
      echo "no $(printf '%s' "$answer" | head -n1)" >"$cache"
    fi
  fi
  local verdict detail
  read -r verdict detail <"$cache"
  if [ "$verdict" = ok ]; then
    if [ "$WINEARCH" = win32 ]; then echo "this machine runs 32-bit code ($detail)"
    else echo "64-bit Wine runs here ($detail)"; fi
    return 0
  fi
  if [ "$WINEARCH" = win32 ]; then
    echo "this machine's kernel refuses 32-bit code ($wine_cmd: ${detail:-no answer})"
  else
    echo "64-bit Wine does not start here ($wine_cmd: ${detail:-no answer})"
  fi
  return 1
}

case "${1:-}" in
  --probe) probe; exit $? ;;
  --stop-server) [ -d "$WINEPREFIX" ] && "$WINESERVER" -k; exit 0 ;;
esac
if ! why=$(probe); then
  echo "wine-exec.sh: can't run the $WINEARCH build: $why" >&2
  exit 126
fi

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.wendral-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$wine_cmd" wineboot --init >/dev/null 2>&1 || true
    "$(dirname "$0")/wine-fonts.sh" "$wine_cmd"
    "$WINESERVER" -w
    touch "$WINEPREFIX/.wendral-ready"
  fi
  if [ ! -f "$WINEPREFIX/.wendral-colors" ]; then
    "$(dirname "$0")/wine-colors.sh" "$wine_cmd"
    touch "$WINEPREFIX/.wendral-colors"
  fi
) 9>"$WINEPREFIX.lock"

# Keep the server alive for a minute after the last program ends, and start Wine's own
# services detached from our output: they outlive the program, and would otherwise hold
# the caller's pipe open until the server exits.
"$WINESERVER" -p60 </dev/null >/dev/null 2>&1 || true
"$wine_cmd" wineboot </dev/null >/dev/null 2>&1 || true
[ "${1:-}" = --env ] && exec env -0
exec "$wine_cmd" "$@"

#!/usr/bin/env bash
# Under Wine: a DLL planted beside a Windows program never runs inside it.
#
# For each DLL name outside the known-DLL set that the program loads (its imports, what it
# loads at run time, and what the system DLLs load on its behalf, as Wine's +loaddll channel
# reports them during a start), plus the names known to be risky: a marker DLL of that name
# goes beside a copy of the program, Wine is told to prefer a native DLL of that name (as
# Windows does for names outside the known set), the program starts and must show its
# window (or finish its work), and no marker may appear. A control program that loads the
# name plainly must leave the marker, or the check proves nothing.
#
# Usage: planted_dlls.sh WINE_RUN MARKER_DLL LOADER_EXE WORK KNOWN_DLLS EXE WINDOW_REGEX [ARGS...]
#   WINDOW_REGEX: the title of the window to wait for, or "-" for a program that just runs.
set -euo pipefail
wine_run=$1 marker=$2 loader=$3 work=$4 known_list=$5 exe=$6 window=$7
shift 7
program=$(basename "$exe")
always_checked="msimg32.dll uxtheme.dll version.dll comctl32.dll dwmapi.dll"
# No debugger: a planted DLL that breaks the program would otherwise leave it hanging in
# winedbg until the wait below gives up, where it should fail at once.
base_overrides="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

# The prefix and its server are readied once; every run then starts Wine's loader directly
# in that environment instead of readying them again.
mapfile -d '' wine_env < <("$wine_run" --env)
wine_loader=$(printf '%s\n' "${wine_env[@]}" | sed -n 's/^WINELOADER=//p')

known=$(grep -v '^#' "$known_list" | tr 'A-Z' 'a-z')
rm -rf "$work"
mkdir -p "$work"

# The program's own files for a later run: a settings file, so it opens its main window.
stage() {
  local dir=$1
  mkdir -p "$dir"
  cp "$exe" "$dir/"
  printf '[SSID]\r\nSSID=planted\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n' >"$dir/360RI.INI"
}

# Runs the program in $1 with extra overrides $2, until its window shows (or it ends);
# the Wine debug output goes to $3. Fails when the window never shows or the run fails.
run_program() {
  local dir=$1 overrides=$2 log=$3 pid shown=0
  shift 3
  (cd "$dir" && exec env "${wine_env[@]}" WINEDLLOVERRIDES="$base_overrides;$overrides" \
       WINEDEBUG="${DEBUG_CHANNELS:--all}" "$wine_loader" "./$program" "$@") >/dev/null 2>"$log" &
  pid=$!
  if [ "$window" = - ]; then
    # A program without a window must finish its work; a hung one counts as a failed start.
    for _ in $(seq 240); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
    if kill -0 "$pid" 2>/dev/null; then
      kill -9 "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      return 1
    fi
    wait "$pid"
    return $?
  fi
  for _ in $(seq 120); do
    if xdotool search --onlyvisible --name "$window" >/dev/null 2>&1; then
      shown=1
      sleep 1.5  # the first paints load the theme's helpers lazily
      break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
  done
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ "$shown" = 1 ]
}

# 1. Which DLLs does the program load, and which of them before its first instruction?
# Loads of the program's own process only (Wine's desktop process logs its loads too).
stage "$work/discover"
DEBUG_CHANNELS=+pid,+loaddll,+debugstr run_program "$work/discover" "" "$work/discover.log" "$@" ||
  { echo "FAIL: $program did not start cleanly"; tail -5 "$work/discover.log"; exit 1; }
pid=$(grep -m1 "Loaded L\"[^\"]*\\\\$program\"" "$work/discover.log" | cut -d: -f1)
own=$(grep "^$pid:" "$work/discover.log")
dll_names() { grep -o 'Loaded L"[^"]*"' | sed 's/.*\\//; s/"$//' | tr 'A-Z' 'a-z' | sort -u; }
loaded=$(dll_names <<<"$own")
# Before RestrictDllSearchToSystemFolder announces itself: dependencies of the known DLLs
# the program imports, resolved by the loader before any of the program's code runs.
before_entry=$(sed '/DLL search limited to the system folder/q' <<<"$own" | dll_names)
candidates=""
for dll in $loaded $always_checked; do
  case "$dll" in
    ntdll.dll | kernelbase.dll | win32u.dll | *.drv | *.exe) continue ;;  # the system's own
  esac
  grep -qx "$dll" <<<"$known" && continue
  case " $candidates " in *" $dll "*) ;; *) candidates="$candidates $dll" ;; esac
done
echo "[$program] loads $(wc -w <<<"$loaded") DLLs; checking $(wc -w <<<"$candidates") names:$candidates"

# 2. One name at a time beside the program.
failed=0 kept=0 wine_only=""
for dll in $candidates; do
  name=${dll%.dll}
  dir="$work/$name"
  stage "$dir"
  cp "$marker" "$dir/$dll"
  started=1
  DEBUG_CHANNELS=+pid,+loaddll run_program "$dir" "$name=n,b" "$dir/wine.log" "$@" || started=0
  if [ ! -e "$dir/$dll.loaded" ] && [ "$started" = 1 ]; then
    kept=$((kept + 1))
  elif grep -qx "$dll" <<<"$before_entry"; then
    # On Windows a known DLL's dependencies come from the system folder; Wine's loader
    # searches the program's folder for them, and its own DLLs have other dependencies.
    wine_only="$wine_only $dll"
  elif [ "$started" = 0 ]; then
    echo "FAIL $dll: $program did not start with a planted $dll beside it"
    failed=1
  else
    echo "FAIL $dll: the planted DLL ran inside $program"
    failed=1
  fi
done

# 3. The control, one name at a time: a plain load picks the planted DLL up; otherwise the
# check above would prove nothing for that name.
for dll in $candidates; do
  dir="$work/${dll%.dll}"
  rm -f "$dir/$dll.loaded"
  cp "$loader" "$dir/"
  (cd "$dir" && exec env "${wine_env[@]}" WINEDLLOVERRIDES="$base_overrides;${dll%.dll}=n,b" \
     "$wine_loader" "./$(basename "$loader")" "$dll") >/dev/null 2>&1 || true
  if [ ! -e "$dir/$dll.loaded" ]; then
    echo "FAIL $dll: a plain load does not pick up a planted $dll here, so its check proves nothing"
    failed=1
  fi
done

echo "[$program] kept out $kept planted DLLs a plain load would run"
[ -z "$wine_only" ] ||
  echo "[$program] loaded by Wine before the program's first instruction, as dependencies of" \
       "known DLLs (Windows takes those from the system folder; Wine can't show it):$wine_only"
exit $failed

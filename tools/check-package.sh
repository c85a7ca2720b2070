#!/usr/bin/env bash
# Checks a release zip (build/<preset>/package/Wendral-<version>-<arch>.zip): it holds the
# Windows programs, README.txt and the QuilletButton package (header, library, CMake package
# files) and nothing else, neither the programs nor the library carry debug sections,
# wendral.exe is at most 600 KB, and each program in the build's bin/ links to its .debug file.
#   tools/check-package.sh build/win64
set -euo pipefail
build=$1
zip=$(ls "$build"/package/Wendral-*.zip)
case "$zip" in
  *-win64.zip) objdump=x86_64-w64-mingw32-objdump ;;
  *) objdump=i686-w64-mingw32-objdump ;;
esac
programs="wendral.exe wendral-cli.exe quillet-render.exe quillet-gallery.exe"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$tmp"
dir=$(ls -d "$tmp"/Wendral-*)
library="include/QuilletButton.h lib/libQuilletButton.a lib/cmake/QuilletButton/QuilletButtonConfig.cmake
  lib/cmake/QuilletButton/QuilletButtonConfigVersion.cmake lib/cmake/QuilletButton/QuilletButtonTargets.cmake
  lib/cmake/QuilletButton/QuilletButtonTargets-relwithdebinfo.cmake"
expected=$(printf '%s\n' $programs README.txt $library | sort)
found=$(cd "$dir" && find . -type f | sed 's|^\./||' | sort)
if [ "$found" != "$expected" ]; then
  echo "$zip holds:" $found "-- expected:" $expected >&2
  exit 1
fi
for program in $programs; do
  if "$objdump" -h "$dir/$program" | grep -q ' \.debug_'; then
    echo "$program in $zip carries debug sections" >&2
    exit 1
  fi
  "${objdump%objdump}objcopy" --dump-section .gnu_debuglink="$tmp/link" "$build/bin/$program" "$tmp/copy" 2>/dev/null || true
  link=$(tr '\0' '\n' < "$tmp/link" 2>/dev/null | head -1 || true)
  rm -f "$tmp/link" "$tmp/copy"
  if [ "$link" != "$program.debug" ] || [ ! -f "$build/bin/$program.debug" ]; then
    echo "$build/bin/$program has no debug link to $program.debug beside it (link: '$link')" >&2
    exit 1
  fi
done
if "$objdump" -h "$dir/lib/libQuilletButton.a" | grep -q ' \.debug_'; then
  echo "lib/libQuilletButton.a in $zip carries debug sections" >&2
  exit 1
fi
size=$(stat -c %s "$dir/wendral.exe")
if [ "$size" -gt $((600 * 1024)) ]; then
  echo "wendral.exe in $zip is $size bytes, more than 600 KB" >&2
  exit 1
fi
echo "$zip: $(echo $found), wendral.exe $((size / 1024)) KB, no debug sections, debug links in place"

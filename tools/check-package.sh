#!/usr/bin/env bash
# Checks a release zip (build/<preset>/package/Wendral-<version>-<arch>.zip): it holds the
# Windows programs, README.txt and the QuilletButton package (header, static library, DLL,
# its import libraries and .def, CMake package files) and nothing else, neither the programs
# nor the libraries carry debug sections, wendral.exe is at most 600 KB, and each program and
# the DLL in the build's bin/ link to their .debug file.
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
  lib/cmake/QuilletButton/QuilletButtonTargets-relwithdebinfo.cmake lib/cmake/QuilletButton/QuilletButtonShared.cmake
  bin/QuilletButton.dll lib/libQuilletButton.dll.a lib/QuilletButton.lib lib/QuilletButton.def"
expected=$(printf '%s\n' $programs README.txt $library | sort)
found=$(cd "$dir" && find . -type f | sed 's|^\./||' | sort)
if [ "$found" != "$expected" ]; then
  echo "$zip holds:" $found "-- expected:" $expected >&2
  exit 1
fi
for program in $programs bin/QuilletButton.dll; do
  if "$objdump" -h "$dir/$program" | grep -q ' \.debug_'; then
    echo "$program in $zip carries debug sections" >&2
    exit 1
  fi
  file=${program#bin/}
  "${objdump%objdump}objcopy" --dump-section .gnu_debuglink="$tmp/link" "$build/bin/$file" "$tmp/copy" 2>/dev/null || true
  link=$(tr '\0' '\n' < "$tmp/link" 2>/dev/null | head -1 || true)
  rm -f "$tmp/link" "$tmp/copy"
  if [ "$link" != "$file.debug" ] || [ ! -f "$build/bin/$file.debug" ]; then
    echo "$build/bin/$file has no debug link to $file.debug beside it (link: '$link')" >&2
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
dll_size=$(stat -c %s "$dir/bin/QuilletButton.dll")
echo "$zip: $(echo $found), wendral.exe $((size / 1024)) KB, QuilletButton.dll $((dll_size / 1024)) KB," \
  "no debug sections, debug links in place"

#!/usr/bin/env bash
# The folders' rules on what they may include: the portable core (app, button, cli) no
# platform folder; formats, raster and headless no Windows header and not win32/; no library
# folder a program's folder. Prints each offending line; fails if there is one.
set -euo pipefail
src=$1/src
windows='#include *[<"](windows|winreg|wingdi|winuser|winbase|ole2|oleacc|objbase|shellapi|commctrl)\.h[>"]'
found=0
check() {  # check PATTERN FOLDER...
  local pattern=$1
  shift
  for folder in "$@"; do
    if grep -rnEi --include='*.h' --include='*.cpp' "$pattern" "$src/$folder"; then found=1; fi
  done
}
check '#include "(win32|raster|headless)/' app button cli
check "$windows" app button cli formats raster headless
check '#include "win32/' formats raster headless
check '#include "(programs|wendral|wendral-cli|quillet-render|quillet-gallery)/' app button cli formats raster headless win32
exit $found

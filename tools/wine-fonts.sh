#!/usr/bin/env bash
# Substitutes a CJK font from Debian's packages for 宋体 and SimSun in the current Wine prefix.
set -euo pipefail
wine_cmd="${1:-wine}"
font=$(fc-list :lang=zh family | grep -m1 -o 'WenQuanYi Micro Hei' || true)
font="${font:-WenQuanYi Micro Hei}"
key='HKCU\Software\Wine\Fonts\Replacements'
for face in "宋体" "SimSun" "新宋体" "NSimSun"; do
  "$wine_cmd" reg add "$key" /v "$face" /t REG_SZ /d "$font" /f >/dev/null 2>&1
done

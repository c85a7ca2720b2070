#!/usr/bin/env bash
# Re-creates the program's artwork (icon, banner) from drawing commands. The results are
# committed, so a build never needs ImageMagick; run this only to change the artwork.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out="$here/../../programs/wendral/resources"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
font=$(fc-match -f '%{file}' 'WenQuanYi Micro Hei')

# A band of a ring around (cx, cy) between radii r1 and r2, from 225 to 315 degrees,
# as polygon points: drawn as a filled shape since stroked open paths get closed.
wave() {
  python3 -c "
import math,sys
cx,cy,r1,r2=map(float,sys.argv[1:])
a=[math.radians(225+i*90/24) for i in range(25)]
pts=[(cx+r2*math.cos(t),cy+r2*math.sin(t)) for t in a]+[(cx+r1*math.cos(t),cy+r1*math.sin(t)) for t in reversed(a)]
print(' '.join('%.1f,%.1f'%p for p in pts))" "$@"
}

# Icon artwork at 512 px: a blue rounded square with a white radio-wave mark.
convert -size 512x512 xc:none \
  -fill '#1f6fd1' -draw 'roundrectangle 16,16 495,495 96,96' \
  -fill white -draw "polygon $(wave 256 372 176 224)" -draw "polygon $(wave 256 372 86 134)" \
  -draw 'circle 256,372 256,410' \
  "$work/icon512.png"
for s in 16 32 48 64 128; do
  convert "$work/icon512.png" -filter Lanczos -resize ${s}x${s} "$work/icon$s.png"
done
python3 "$here/build_ico.py" "$out/wendral.ico" \
  "$work/icon16.png:8" "$work/icon16.png:32" "$work/icon32.png:32" \
  "$work/icon48.png:32" "$work/icon64.png:32" "$work/icon128.png:png"

# Banner, 300 x 100: what the program does, in the program's own language. The main window
# stretches it to 401 x 103 pixels and places it 48 pixels left of and 16 above its client
# area, so only source columns 36 to 263 and rows from 16 on show: the text keeps inside.
convert -size 300x100 gradient:'#2b7de9'-'#0b3d91' \
  -fill 'rgba(255,255,255,0.18)' -draw 'circle 250,54 250,134' \
  -fill white -font "$font" -pointsize 26 -annotate +46+50 'Wendral' \
  -pointsize 14 -annotate +46+76 '随身WIFI 网络名称修改' \
  -quality 90 "$out/banner.jpg"

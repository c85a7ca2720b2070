#!/usr/bin/env bash
# Gives the current Wine prefix the system colours of a default Windows 7 desktop, the ones
# the portable raster reports (src/platform/portable/system_colors.cpp), so a button drawn
# with system colours by GDI under Wine and by the raster natively comes out the same.
set -euo pipefail
wine_cmd="${1:-wine}"
# One regedit import rather than a reg process per colour.
file=$(mktemp --suffix=.reg)
trap 'rm -f "$file"' EXIT
{
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n'
  while read -r name rgb; do printf '"%s"="%s"\r\n' "$name" "${rgb//,/ }"; done <<'COLOURS'
Scrollbar 200,200,200
Background 0,0,0
ActiveTitle 153,180,209
InactiveTitle 191,205,219
Menu 240,240,240
Window 255,255,255
WindowFrame 100,100,100
MenuText 0,0,0
WindowText 0,0,0
TitleText 0,0,0
ActiveBorder 180,180,180
InactiveBorder 244,247,252
AppWorkSpace 171,171,171
Hilight 51,153,255
HilightText 255,255,255
ButtonFace 240,240,240
ButtonShadow 160,160,160
GrayText 109,109,109
ButtonText 0,0,0
InactiveTitleText 67,78,84
ButtonHilight 255,255,255
ButtonDkShadow 105,105,105
ButtonLight 227,227,227
InfoText 0,0,0
InfoWindow 255,255,225
ButtonAlternateFace 0,0,0
HotTrackingColor 0,102,204
GradientActiveTitle 185,209,234
GradientInactiveTitle 215,228,242
MenuHilight 51,153,255
MenuBar 240,240,240
COLOURS
} >"$file"
"$wine_cmd" regedit /S "Z:${file//\//\\}" >/dev/null 2>&1

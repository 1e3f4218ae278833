#!/usr/bin/env bash
# The PNG export read back by ImageMagick, run from a shell as a documentation
# script runs it: size, colour type, recorded resolution and pixels, at scales
# 1 and 2, against the BMP export of the same map.
# Usage: png_export_test.sh TASTRIX_EXE WINE
set -euo pipefail

exe=$1
wine=$2
# shellcheck source=tests/script/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
enter_scratch

# Key colour 0xE0FFFF (blue E0, green and red FF), labels at the bottom.
printf '[tastrix]\r\nShape_0=14745599\r\nShape_Back_0=8421504\r\nKey_Label_Vertical_Alignment=2\r\n' >map.zv
printf 'Export & Co\r\nBack tick\r\n' >map.zvl

export_picture() {  # export_picture OUT [SCALE]: prints the program's line and exit code
  local rc=0 line
  line=$("$wine" "$exe" /export map.zv "$1" ${2:+/scale "$2"} </dev/null 2>&1) || rc=$?
  echo "${line%$'\r'} (exit $rc)"
}

# Wine shows the Linux folder as drive Z:.
check "scale 1 PNG" "tastrix: wrote \"Z:${work//\//\\}\\s1.png\", 1528 x 461 pixels at 96 dpi (exit 0)" \
  "$(export_picture s1.png)"
check "scale 1 BMP" "(exit 0)" "$(export_picture s1.bmp | grep -o '(exit [0-9]*)')"
check "scale 2 PNG" "(exit 0)" "$(export_picture S2.PNG 2 | grep -o '(exit [0-9]*)')"
check "scale 2 BMP" "(exit 0)" "$(export_picture s2.bmp 2 | grep -o '(exit [0-9]*)')"

# 8-bit RGB without alpha, the size, and 96 x N dots per inch as pixels per metre.
check "scale 1 format" "PNG 1528x461 srgb" "$(identify -format '%m %wx%h %[channels]' s1.png)"
check "scale 2 format" "PNG 3056x922 srgb" "$(identify -format '%m %wx%h %[channels]' S2.PNG)"
check "scale 1 pHYs" "png:pHYs: x_res=3780, y_res=3780, units=1" \
  "$(identify -verbose s1.png | grep -o 'png:pHYs:.*')"
check "scale 2 pHYs" "png:pHYs: x_res=7559, y_res=7559, units=1" \
  "$(identify -verbose S2.PNG | grep -o 'png:pHYs:.*')"

# The same pixels as the BMP writer's, and the map's key colour where the "Q"
# key's face shows (left of its label, clear of its outline).
check "scale 1 pixels" "0" "$(compare -metric AE s1.png s1.bmp null: 2>&1)"
check "scale 2 pixels" "0" "$(compare -metric AE S2.PNG s2.bmp null: 2>&1)"
check "scale 1 key colour" "srgb(255,255,224)" "$(convert s1.png -format '%[pixel:p{109,213}]' info:)"
check "scale 2 key colour" "srgb(255,255,224)" "$(convert S2.PNG -format '%[pixel:p{218,426}]' info:)"

checks_done

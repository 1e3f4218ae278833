#!/usr/bin/env bash
# The SVG export read back as a script would: valid XML; one <text> per line
# the painter draws, with its text; and, rasterised by rsvg-convert at scale
# 1, the PNG export's picture but for the smoothing of text (rsvg-convert
# draws glyphs unhinted, the program's GDI hinted): at most 2% of the pixels
# differ by more than a quarter of the colour range (ImageMagick's -fuzz 25%,
# the distance of the colours over their channels).
# Usage: svg_export_test.sh TASTRIX_EXE WINE
set -euo pipefail

exe=$1
wine=$2
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/script/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
enter_scratch
texts() { xmllint --xpath "count(//*[local-name()='text']$2)" "$1"; }

# Labels that fit their keys, one that wraps on its key (F3), an access key
# and a doubled ampersand, which the painter draws as "Save" and "A & B"; a
# title in UTF-8 with characters its font lacks, drawn in others, still one line.
printf '[Label_0]\r\nFont.Name=Arial\r\nFont.Size=10\r\nFont.fsBold=1\r\n' >map.zv
{
  printf '\xEF\xBB\xBFWords \xE2\x8C\x98 \xE2\x86\x92 Save\r\n'
  for ((p = 1; p <= 101; p++)); do
    case $p in 1) l=Alpha ;; 3) l=Bravo ;; 4) l='A && B' ;; 5) l='&Save' ;; 65) l='Find next' ;; *) l= ;; esac
    printf '%s\r\n' "$l"
  done
} >map.zvl

export_picture() { "$wine" "$exe" /export "$1" "$2" </dev/null >/dev/null 2>&1 || echo "export of $1 to $2 failed"; }
export_picture map.zv map.svg
check "well-formed XML" "" "$(xmllint --noout map.svg 2>&1)"
check "SVG 1.1" "1.1" "$(xmllint --xpath "string(/*[local-name()='svg']/@version)" map.svg)"
# The title, the notice, 4 group captions, 101 key names, and the labels' lines.
check "one <text> per line" "$((1 + 1 + 4 + 101 + 6))" "$(texts map.svg '')"
for line in Alpha Bravo Find next 'A & B' Save $'Words \u2318 \u2192 Save'; do
  check "a <text> of \"$line\"" 1 "$(texts map.svg "[.='$line']")"
done
find_y=$(xmllint --xpath "string(//*[local-name()='text'][.='Find']/@y)" map.svg)
next_y=$(xmllint --xpath "string(//*[local-name()='text'][.='next']/@y)" map.svg)
check "\"next\" a line below \"Find\"" 1 "$(((next_y - find_y) >= 13 && (next_y - find_y) <= 20 ? 1 : 0))"
# The mark under an access key in a label drawn in several fonts is a stroke too.
lines=()
for label in $'\xE2\x8C\x98 Open' $'\xE2\x8C\x98 \\&Open'; do
  sed "7s/.*/$label\r/" map.zvl >marks.zvl && cp map.zv marks.zv && export_picture marks.zv "marks.svg"
  lines+=("$(xmllint --xpath "count(//*[local-name()='line'])" marks.svg)")
done
check "one more <line> for the mark under \"O\"" 1 "$((lines[1] - lines[0]))"
attribute() { xmllint --xpath "string(//*[local-name()='text'][.='Alpha']/@$1)" map.svg; }
check "the label's font" "'Arial', sans-serif 13 700" "$(attribute font-family) $(attribute font-size) $(attribute font-weight)"

# The README's example map, labels on most keys.
cp "$repo"/docs/examples/text-editing.zv* .
export_picture text-editing.zv picture.svg
export_picture text-editing.zv picture.png
rsvg-convert picture.svg -o rasterised.png
check "rasterised size" "1528x461" "$(identify -format '%wx%h' rasterised.png)"
differing=$(compare -metric AE -fuzz 25% rasterised.png picture.png null: 2>&1) || true
check "at most 2% of the pixels differ" 1 "$((differing <= 1528 * 461 * 2 / 100 ? 1 : 0))"
echo "($differing pixels differ)"

checks_done

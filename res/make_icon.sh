#!/bin/sh
# Draws the program icon (a small keyboard) at 32x32 and 16x16 and packs both
# into tastrix.ico. Needs ImageMagick.
set -e
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

keys32=""
for row in 0 1 2; do
  for col in 0 1 2 3 4 5; do
    x=$((4 + col * 4)); y=$((11 + row * 4))
    keys32="$keys32 rectangle $x,$y $((x + 2)),$((y + 2))"
  done
done
convert -size 32x32 xc:none \
  -fill '#404040' -draw 'roundrectangle 1,8 30,25 3,3' \
  -fill '#f0f0f0' -draw "$keys32" \
  -fill '#f0f0f0' -draw 'rectangle 8,23 23,23' \
  -fill '#d00000' -draw 'rectangle 27,11 28,13' \
  "$tmp/32.png"

keys16=""
for row in 0 1; do
  for col in 0 1 2 3 4; do
    x=$((2 + col * 2 + col)); y=$((6 + row * 3))
    keys16="$keys16 rectangle $x,$y $((x + 1)),$((y + 1))"
  done
done
convert -size 16x16 xc:none \
  -fill '#404040' -draw 'roundrectangle 0,4 15,13 2,2' \
  -fill '#f0f0f0' -draw "$keys16" \
  -fill '#f0f0f0' -draw 'rectangle 4,12 11,12' \
  "$tmp/16.png"

convert "$tmp/32.png" "$tmp/16.png" tastrix.ico

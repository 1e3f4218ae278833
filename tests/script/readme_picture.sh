#!/usr/bin/env bash
# The picture that opens the README is the program's own export of an example
# map at scale 1: exports that map afresh and compares it with the picture in
# the repository pixel by pixel (the PNG encoder's bytes are not compared).
# With --write a picture that differs is replaced by the fresh one; without it
# a difference fails. scripts/readme-picture runs it with --write.
# Usage: readme_picture.sh TASTRIX_EXE WINE [--write]
set -euo pipefail

exe=$1
wine=$2
write=${3:-}
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
map=docs/examples/text-editing.zv
picture=docs/text-editing.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL $*"; exit 1; }

grep -qF "]($picture)" "$repo/README.md" || fail "README.md does not show $picture"

# The program reads and writes Windows paths; Wine shows the Linux root as drive Z:.
windows_path() { echo "Z:${1//\//\\}"; }
rc=0
line=$(cd "$work" && "$wine" "$exe" /export "$(windows_path "$repo/$map")" fresh.png </dev/null 2>&1) || rc=$?
((rc == 0)) || fail "export of $map: ${line%$'\r'} (exit $rc)"
format=$(identify -format '%m %wx%h %[channels]' "$work/fresh.png")
[[ $format == "PNG 1528x461 srgb" ]] || fail "the fresh export of $map is $format, not a 1528 x 461 RGB PNG"

if [[ -f $repo/$picture ]]; then
  # compare prints the number of differing pixels; it fails on a picture it cannot read or
  # whose size differs, which counts as different.
  differing=$(compare -metric AE "$repo/$picture" "$work/fresh.png" null: 2>&1) || true
else
  differing="no picture"
fi
if [[ $differing == 0 ]]; then
  echo "ok   $picture equals a fresh export of $map"
  exit 0
fi
[[ $write == --write ]] ||
  fail "$picture differs from a fresh export of $map (pixels differing: $differing); scripts/readme-picture makes it anew"
cp "$work/fresh.png" "$repo/$picture"
echo "made $picture anew from $map (it differed: $differing)"

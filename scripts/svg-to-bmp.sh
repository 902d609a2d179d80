#!/usr/bin/env bash
# svg-to-bmp.sh IN.svg OUT.bmp WIDTH HEIGHT [VERSION]
#
# Renders one SVG picture of the program at exactly WIDTH x HEIGHT pixels
# and stores it as the kind of bitmap the Windows resource compiler and
# LoadImage expect: a 24-bit, uncompressed (BI_RGB), bottom-up BMP with a
# BITMAPINFOHEADER.  Transparency is flattened onto white.
# With VERSION, every @KESTRUM_VERSION@ in the picture reads VERSION.
#
# Needs rsvg-convert (librsvg2-bin) and ImageMagick (convert).
# The output depends only on the input: no timestamps or metadata are written.
set -euo pipefail

if [ "$#" -ne 4 ] && [ "$#" -ne 5 ]; then
    echo "usage: $0 IN.svg OUT.bmp WIDTH HEIGHT [VERSION]" >&2
    exit 2
fi
in=$1 out=$2 w=$3 h=$4 version=${5-}

case "$w$h" in *[!0-9]*|'') echo "$0: WIDTH and HEIGHT must be positive integers" >&2; exit 2;; esac
if [ "$w" -eq 0 ] || [ "$h" -eq 0 ]; then echo "$0: zero size" >&2; exit 2; fi
# The version goes into XML text and a sed replacement: plain characters only.
case "$version" in *[!0-9A-Za-z.+-]*) echo "$0: bad VERSION: $version" >&2; exit 2;; esac
if [ "$#" -eq 5 ] && [ -z "$version" ]; then echo "$0: empty VERSION" >&2; exit 2; fi
[ -f "$in" ] || { echo "$0: no such file: $in" >&2; exit 1; }
for tool in rsvg-convert convert od; do
    command -v "$tool" >/dev/null || { echo "$0: $tool not found" >&2; exit 1; }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/svg-to-bmp.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

# 1. SVG -> PNG at the exact size, white background.
svg=$in
if [ -n "$version" ]; then
    svg=$tmp/picture.svg
    sed "s/@KESTRUM_VERSION@/$version/g" "$in" >"$svg"
fi
rsvg-convert --width="$w" --height="$h" --background-color=white \
    --format=png --output="$tmp/picture.png" "$svg"

# 2. PNG -> 24-bit BMP.  BMP3 gives the classic 40-byte BITMAPINFOHEADER;
#    removing the alpha channel and forcing TrueColor keeps it at 24 bits
#    (ImageMagick would otherwise pick 32 bits or a palette).
mkdir -p "$(dirname "$out")"
convert "$tmp/picture.png" -background white -alpha remove -alpha off \
    -strip -type TrueColor -compress None "BMP3:$tmp/picture.bmp"

# 3. Check the header before handing the file over.
#    Little-endian fields: 0 "BM", 2 file size, 10 pixel offset,
#    14 header size, 18 width, 22 height (positive = bottom-up),
#    26 planes, 28 bits per pixel, 30 compression.
u32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }
u16() { od -An -t u2 -j "$2" -N 2 "$1" | tr -d ' '; }
bmp=$tmp/picture.bmp
magic=$(od -An -c -N 2 "$bmp" | tr -d ' ')
row=$(( (w * 3 + 3) / 4 * 4 ))
expect_size=$(( 54 + row * h ))
fail() { echo "$0: $out: $*" >&2; exit 1; }
[ "$magic" = "BM" ]                   || fail "not a BMP file"
[ "$(u32 "$bmp" 14)" -eq 40 ]         || fail "header is not BITMAPINFOHEADER"
[ "$(u32 "$bmp" 18)" -eq "$w" ]       || fail "width $(u32 "$bmp" 18), wanted $w"
[ "$(u32 "$bmp" 22)" -eq "$h" ]       || fail "height $(u32 "$bmp" 22), wanted $h (bottom-up)"
[ "$(u16 "$bmp" 26)" -eq 1 ]          || fail "planes is not 1"
[ "$(u16 "$bmp" 28)" -eq 24 ]         || fail "$(u16 "$bmp" 28) bits per pixel, wanted 24"
[ "$(u32 "$bmp" 30)" -eq 0 ]          || fail "compressed, wanted BI_RGB"
[ "$(u32 "$bmp" 10)" -eq 54 ]         || fail "pixel data does not follow the header"
[ "$(stat -c %s "$bmp")" -eq "$expect_size" ] || fail "file size $(stat -c %s "$bmp"), wanted $expect_size"

mv "$bmp" "$out"

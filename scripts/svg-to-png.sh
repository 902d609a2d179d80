#!/usr/bin/env bash
# svg-to-png.sh IN.svg OUT.png WIDTH HEIGHT [VERSION]
#
# Renders one SVG picture of the program at exactly WIDTH x HEIGHT pixels
# into a compressed PNG for the resources, which the program decodes with
# the platform's imaging component. Transparency is flattened onto white.
# A palette of 256 colours is used where it keeps the look (the peak
# signal-to-noise ratio against the full-colour picture at least
# kMinimumPsnr dB); pure white stays pure white, so that the plot's white
# background meets the picture without a seam.
# With VERSION, every @KESTRUM_VERSION@ in the picture reads VERSION.
#
# Needs rsvg-convert (librsvg2-bin) and ImageMagick (convert, compare).
# The output depends only on the input: no timestamps or metadata are written.
set -euo pipefail

if [ "$#" -ne 4 ] && [ "$#" -ne 5 ]; then
    echo "usage: $0 IN.svg OUT.png WIDTH HEIGHT [VERSION]" >&2
    exit 2
fi
in=$1 out=$2 w=$3 h=$4 version=${5-}
kMinimumPsnr=40

case "$w$h" in *[!0-9]*|'') echo "$0: WIDTH and HEIGHT must be positive integers" >&2; exit 2;; esac
if [ "$w" -eq 0 ] || [ "$h" -eq 0 ]; then echo "$0: zero size" >&2; exit 2; fi
# The version goes into XML text and a sed replacement: plain characters only.
case "$version" in *[!0-9A-Za-z.+-]*) echo "$0: bad VERSION: $version" >&2; exit 2;; esac
if [ "$#" -eq 5 ] && [ -z "$version" ]; then echo "$0: empty VERSION" >&2; exit 2; fi
[ -f "$in" ] || { echo "$0: no such file: $in" >&2; exit 1; }
for tool in rsvg-convert convert compare od; do
    command -v "$tool" >/dev/null || { echo "$0: $tool not found" >&2; exit 1; }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/svg-to-png.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

svg=$in
if [ -n "$version" ]; then
    svg=$tmp/picture.svg
    sed "s/@KESTRUM_VERSION@/$version/g" "$in" >"$svg"
fi
rsvg-convert --width="$w" --height="$h" --background-color=white \
    --format=png --output="$tmp/rendered.png" "$svg"

keep=(-strip -define png:exclude-chunks=date,time,tIME -define png:compression-level=9)
convert "$tmp/rendered.png" -background white -alpha remove -alpha off "${keep[@]}" \
    "PNG24:$tmp/full.png"
# Without dithering, flat areas stay flat and compress well.
convert "$tmp/full.png" +dither -colors 256 -fuzz 1% -fill white -opaque white "${keep[@]}" \
    "PNG8:$tmp/palette.png"
psnr=$(compare -metric PSNR "$tmp/full.png" "$tmp/palette.png" null: 2>&1 || true)
picked=$tmp/full.png
if awk -v p="$psnr" -v m="$kMinimumPsnr" 'BEGIN { exit !(p == "inf" || p + 0 >= m) }'; then
    picked=$tmp/palette.png
fi

# Check the header before handing the file over: the signature, then the
# IHDR chunk's big-endian width and height.
fail() { echo "$0: $out: $*" >&2; exit 1; }
be32() { od -An -t x1 -j "$2" -N 4 "$1" | tr -d ' \n' | { read -r hex; echo $((16#$hex)); }; }
[ "$(od -An -t x1 -N 8 "$picked" | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "not a PNG file"
[ "$(be32 "$picked" 16)" -eq "$w" ] || fail "width $(be32 "$picked" 16), wanted $w"
[ "$(be32 "$picked" 20)" -eq "$h" ] || fail "height $(be32 "$picked" 20), wanted $h"

mkdir -p "$(dirname "$out")"
mv "$picked" "$out"

#!/usr/bin/env bash
# svg-to-ico.sh IN.svg OUT.ico [PREVIEW_DIR]
#
# Renders the program's icon from one SVG into a Windows icon file with the
# sizes the shell asks for: 16, 24, 32 and 48 px as 32-bit bitmaps with
# alpha, and 256 px stored as PNG (the norm for that size since Vista).
# With PREVIEW_DIR, every size is also written there as icon-<size>.png.
#
# Needs rsvg-convert (librsvg2-bin) and ImageMagick (convert).
# The output depends only on the input: no timestamps are written.
set -euo pipefail

sizes=(16 24 32 48 256)

if [ "$#" -ne 2 ] && [ "$#" -ne 3 ]; then
    echo "usage: $0 IN.svg OUT.ico [PREVIEW_DIR]" >&2
    exit 2
fi
in=$1 out=$2 preview=${3-}
[ -f "$in" ] || { echo "$0: no such file: $in" >&2; exit 1; }
command -v rsvg-convert >/dev/null && command -v convert >/dev/null ||
    { echo "$0: needs rsvg-convert and ImageMagick's convert" >&2; exit 1; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/svg-to-ico.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

pngs=()
for size in "${sizes[@]}"; do
    rsvg-convert --width="$size" --height="$size" --format=png \
        --output="$tmp/icon-$size.png" "$in"
    pngs+=("$tmp/icon-$size.png")
done
# ImageMagick keeps the alpha channel as 32 bits below 256 px and stores
# 256 px as PNG; the checks below hold it to that.
convert "${pngs[@]}" -define png:exclude-chunks=date,time,tIME "ICO:$tmp/icon.ico"

# Little-endian ICONDIR: 0 reserved, 2 type (1 = icon), 4 count; then one
# 16-byte entry per image: 0 width, 1 height (0 = 256), 6 bits per pixel,
# 12 offset of the image data.
ico=$tmp/icon.ico
u32() { od -An -t u4 -j "$1" -N 4 "$ico" | tr -d ' '; }
u16() { od -An -t u2 -j "$1" -N 2 "$ico" | tr -d ' '; }
u8() { od -An -t u1 -j "$1" -N 1 "$ico" | tr -d ' '; }
fail() { echo "$0: $out: $*" >&2; exit 1; }
[ "$(u16 0)" -eq 0 ] && [ "$(u16 2)" -eq 1 ] || fail "not an icon file"
[ "$(u16 4)" -eq "${#sizes[@]}" ]            || fail "$(u16 4) images, wanted ${#sizes[@]}"
for i in "${!sizes[@]}"; do
    size=${sizes[$i]} entry=$((6 + 16 * i))
    offset=$(u32 $((entry + 12)))
    [ "$(u8 "$entry")" -eq $((size % 256)) ]  || fail "image $i is not $size px wide"
    [ "$(u8 $((entry + 1)))" -eq $((size % 256)) ] || fail "image $i is not $size px high"
    [ "$(u16 $((entry + 6)))" -eq 32 ]        || fail "image $i has $(u16 $((entry + 6))) bits per pixel"
    if [ "$size" -eq 256 ]; then
        [ "$(od -An -c -j $((offset + 1)) -N 3 "$ico" | tr -d ' ')" = PNG ] || fail "256 px is not PNG"
    else
        [ "$(u32 "$offset")" -eq 40 ] && [ "$(u16 $((offset + 14)))" -eq 32 ] \
            || fail "$size px is not a 32-bit bitmap"
    fi
done

mkdir -p "$(dirname "$out")"
mv "$ico" "$out"
if [ -n "$preview" ]; then
    mkdir -p "$preview"
    for size in "${sizes[@]}"; do cp "$tmp/icon-$size.png" "$preview/icon-$size.png"; done
fi

#!/usr/bin/env bash
# make-pictures.sh OUTDIR VERSION DENSITY
#
# Renders the artwork of both language builds from the SVG sources in
# res/en and res/ru at DENSITY times the sizes in cmake/picture-sizes.txt:
#   OUTDIR/en/<name>.png, OUTDIR/ru/<name>.png   the PNG files of the resources
#   OUTDIR/preview/<lang>-<name>.png              the same pictures at their
#       size at 96 DPI
#   OUTDIR/preview/<lang>-formation-overlay.png   the Wave formation background
#       with the plot that the program paints over it (axes, dashed level
#       line, a sine profile), to check that the labels line up
#   OUTDIR/preview/<lang>-title-buttons.png       the title picture stretched
#       to 1366x768 with the menu buttons marked, to check the empty middle
#   OUTDIR/preview/<lang>-authors-<W>x<H>.png     the credits picture stretched
#       to 1024x768 and 1920x1080 with the Menu button marked
#   OUTDIR/kestrum.ico, OUTDIR/preview/icon-<size>.png  the icon of all three
#       programs from res/icon.svg, and each of its sizes as PNG
# VERSION is written into the credits picture; `make pictures` passes the
# project's version and writes into build/pictures.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 OUTDIR VERSION DENSITY" >&2; exit 2; }

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$1
version=$2
density=$3
mkdir -p "$out/en" "$out/ru" "$out/preview"
out=$(cd "$out" && pwd)

# PNG previews carry no time stamps, so reruns give identical files.
png() { convert "$1" -define png:exclude-chunks=date,time,tIME "$2"; }

count=0
while read -r name en ru; do
    [ -n "${name:-}" ] || continue
    for lang in en ru; do
        if [ "$lang" = en ]; then size=$en; else size=$ru; fi
        [ "$size" = "-" ] && continue
        w=${size%x*} h=${size#*x}
        src=$root/res/$lang/$name.svg
        "$here/svg-to-png.sh" "$src" "$out/$lang/$name.png" $((w * density)) $((h * density)) "$version"
        # Previews at the size at 96 DPI, with the area average the program uses.
        convert "$out/$lang/$name.png" -filter box -resize "${w}x${h}!" \
            -define png:exclude-chunks=date,time,tIME "$out/preview/$lang-$name.png"
        echo "$lang/$name.png  $((w * density))x$((h * density))"
        count=$((count + 1))
    done
done < <(grep '^[a-z]' "$root/cmake/picture-sizes.txt")

"$here/svg-to-ico.sh" "$root/res/icon.svg" "$out/kestrum.ico" "$out/preview"
echo "kestrum.ico  $(cd "$out/preview" && echo icon-*.png)"
count=$((count + 1))

# The plot of the Wave formation screen, as the program draws it:
# horizontal axes y=185/476/658 from x=439 to the arrow tip at 984,
# vertical axes at x=714 with tips at 76/329/548, dashed level line c at
# y=422, and a test profile u = sin through zero at x=714.
sine=$(awk 'BEGIN { pi = atan2(0, -1); s = "";
    for (x = 460; x <= 1008; x += 2)
        s = s sprintf("%d,%.1f ", x, 185 - 96 * sin(2 * pi * (x - 460) / 508));
    print s }')
speed=$(awk 'BEGIN { pi = atan2(0, -1); s = "";
    for (x = 460; x <= 1008; x += 2)
        s = s sprintf("%d,%.1f ", x, 422 - 28 * sin(2 * pi * (x - 460) / 508));
    print s }')
diffusion=$(awk 'BEGIN { pi = atan2(0, -1); s = "";
    for (x = 460; x <= 1008; x += 2)
        s = s sprintf("%d,%.1f ", x, 658 + 40 * sin(2 * pi * (x - 460) / 508));
    print s }')
for lang in en ru; do
    convert "$out/preview/$lang-formation.png" -fill none \
        -stroke 'rgb(4,0,0)' -strokewidth 2 \
        -draw 'line 439,185 984,185' -draw 'line 439,476 984,476' -draw 'line 439,658 984,658' \
        -draw 'line 714,76 714,295' -draw 'line 714,329 714,514' -draw 'line 714,548 714,749' \
        -draw 'polyline 974,180 984,185 974,190' -draw 'polyline 974,471 984,476 974,481' \
        -draw 'polyline 974,653 984,658 974,663' \
        -draw 'polyline 709,86 714,76 719,86' -draw 'polyline 709,339 714,329 719,339' \
        -draw 'polyline 709,558 714,548 719,558' \
        -draw "polyline $sine" \
        -stroke red -draw "polyline $speed" \
        -draw 'stroke-dasharray 8 6 line 439,422 984,422' \
        -stroke blue -draw "polyline $diffusion" \
        -define png:exclude-chunks=date,time,tIME "$out/preview/$lang-formation-overlay.png"
done

# The title picture is fitted to the screen, its edges continued; the menu
# buttons stand in the middle and in the bottom corners.
for lang in en ru; do
    if [ "$lang" = en ]; then bx=482 bw=400; else bx=460 bw=446; fi
    draw=()
    for by in 385 435 485; do
        draw+=(-draw "rectangle $bx,$by $((bx + bw - 1)),$((by + 49))")
    done
    convert "$out/$lang/title.png" -filter box -resize 1366x768 -gravity center \
        -define distort:viewport=1366x768-$(( (1366 - 1274) / 2 ))+0 -virtual-pixel edge \
        -distort SRT 0 +repage -gravity northwest \
        -fill white -stroke '#808080' -strokewidth 1 "${draw[@]}" \
        -draw 'rectangle 10,718 259,767' -draw 'rectangle 1106,718 1355,767' \
        -define png:exclude-chunks=date,time,tIME "$out/preview/$lang-title-buttons.png"
done

# The credits picture is fitted to the screen too; its Menu button stands in
# the bottom-left corner.
for lang in en ru; do
    for size in 1024x768 1920x1080; do
        sh=${size#*x}
        convert "$out/$lang/authors.png" -filter box -resize "$size" -background '#e3eaf3' \
            -gravity center -extent "$size" -gravity northwest \
            -fill white -stroke '#808080' -strokewidth 1 \
            -draw "rectangle 10,$((sh - 50)) 259,$((sh - 1))" \
            -define png:exclude-chunks=date,time,tIME "$out/preview/$lang-authors-$size.png"
    done
done

echo "$count pictures of version $version in $out"

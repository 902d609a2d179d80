#!/usr/bin/env bash
# Packs the release into OUTDIR/kestrum-VERSION-windows-x64.zip: both
# programs, kestrum-frames beside them (it reads its pictures from them),
# the read-me in both languages, the physics page and the teaching guide
# in each language as HTML, and the licence.
#   make-dist.sh VERSION OUTDIR ENGLISH_EXE RUSSIAN_EXE FRAMES_EXE
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: $0 VERSION OUTDIR ENGLISH_EXE RUSSIAN_EXE FRAMES_EXE" >&2; exit 2; }
version="$1" out="$2" english="$3" russian="$4" frames="$5"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
name="kestrum-$version-windows-x64"

staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT
folder="$staging/kestrum-$version"
mkdir -p "$folder" "$out"
cp "$english" "$folder/Kestrum-English.exe"
cp "$russian" "$folder/Kestrum-Russian.exe"
cp "$frames" "$folder/kestrum-frames.exe"
# Notepad-friendly text: CRLF line ends, and a byte-order mark on UTF-8.
for text in ReadMe-English ReadMe-Russian; do
  { printf '\xef\xbb\xbf'; sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$root/dist/$text.txt"; } \
    >"$folder/$text.txt"
done
sed -e 's/$/\r/' "$root/LICENSE" >"$folder/License.txt"
"$root/scripts/make-docs.sh" "$folder" >/dev/null

rm -f "$out/$name.zip"
(cd "$staging" && cmake -E tar cf "$out/$name.zip" --format=zip "kestrum-$version")
echo "dist: $out/$name.zip ($(stat -c %s "$out/$name.zip") bytes)"

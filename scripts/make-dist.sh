#!/usr/bin/env bash
# Packs the release: both programs, the read-me in both languages and the
# licence, into OUTDIR/kestrum-VERSION-windows-x64.zip.
#   make-dist.sh VERSION OUTDIR ENGLISH_EXE RUSSIAN_EXE
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 VERSION OUTDIR ENGLISH_EXE RUSSIAN_EXE" >&2; exit 2; }
version="$1" out="$2" english="$3" russian="$4"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
name="kestrum-$version-windows-x64"

staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT
folder="$staging/kestrum-$version"
mkdir -p "$folder" "$out"
cp "$english" "$folder/Kestrum-English.exe"
cp "$russian" "$folder/Kestrum-Russian.exe"
# Notepad-friendly text: CRLF line ends, and a byte-order mark on UTF-8.
for text in ReadMe-English ReadMe-Russian; do
  { printf '\xef\xbb\xbf'; sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$root/dist/$text.txt"; } \
    >"$folder/$text.txt"
done
sed -e 's/$/\r/' "$root/LICENSE" >"$folder/License.txt"

rm -f "$out/$name.zip"
(cd "$staging" && cmake -E tar cf "$out/$name.zip" --format=zip "kestrum-$version")
echo "dist: $out/$name.zip ($(stat -c %s "$out/$name.zip") bytes)"

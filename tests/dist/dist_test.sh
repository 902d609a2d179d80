#!/usr/bin/env bash
# The release package: what it holds, that each program needs nothing
# but the DLLs every Windows has (the common controls registered by the
# program itself, COM for the imaging component that decodes the pictures), and that its parts fit together:
# kestrum-frames, unpacked beside the released programs, paints from them.
#   dist_test.sh CPACK CPACK_CONFIG VERSION ENGLISH_EXE RUSSIAN_EXE
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cpack="$1" config="$2" version="$3" english="$4" russian="$5"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for program in "$english" "$russian"; do
  imports="$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort)"
  echo "$(basename "$program") imports: $(echo $imports)"
  for dll in $imports; do
    case "$dll" in
      KERNEL32.DLL|USER32.DLL|GDI32.DLL|MSVCRT.DLL|COMCTL32.DLL|OLE32.DLL) ;;
      *) fail "$(basename "$program") imports $dll" ;;
    esac
  done
  x86_64-w64-mingw32-objdump -p "$program" | grep -A3 'DLL Name: COMCTL32' | grep -q 'InitCommonControlsEx' ||
    fail "$(basename "$program") does not register the common controls"
  x86_64-w64-mingw32-objdump -f "$program" | grep -q 'pei-x86-64' || fail "$program is not 64-bit"
done

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$config" -B "$out" >"$out/cpack.log" || { cat "$out/cpack.log"; exit 1; }
folder="kestrum-$version"
zip="$out/$folder-windows-x64.zip"
[ -f "$zip" ] || fail "no $zip"
listing="$(unzip -Z1 "$zip" | sort)"
expected="$(printf "$folder/%s\n" '' Kestrum-English.exe Kestrum-Russian.exe kestrum-frames.exe \
  License.txt ReadMe-English.txt ReadMe-Russian.txt Physics.html Physics-Russian.html \
  Teaching-English.html Teaching-Russian.html | sort)"
[ "$listing" = "$expected" ] || fail "zip holds: $listing"
# grep -c reads to the end: an early exit would break unzip's pipe.
zipHas() { unzip -p "$zip" "$folder/$1" | grep -c "$2" >/dev/null; }
zipHas ReadMe-English.txt "Kestrum $version" || fail "read-me without the version"
zipHas ReadMe-Russian.txt 'Формирование волны' || fail "Russian read-me garbled"
# Notepad's text: a byte-order mark, and CRLF at the end of every line.
[ "$(unzip -p "$zip" "$folder/ReadMe-Russian.txt" | head -c 3 | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
  fail "Russian read-me without a byte-order mark"
[ "$(unzip -p "$zip" "$folder/ReadMe-English.txt" | grep -vc $'\r$')" -eq 0 ] || fail "read-me without CRLF"
cmp -s <(unzip -p "$zip" "$folder/Kestrum-English.exe") "$english" || fail "English program differs"
# The pages open offline: their pictures are inside them.
zipHas Physics.html 'src="data:image/png' || fail "Physics.html lacks its figure"
zipHas Teaching-Russian.html 'Формирование волны' || fail "Russian guide garbled"
zipHas Physics-Russian.html 'Формирование волны' || fail "Russian physics page garbled"
# The four pages lead to each other, by their names in the package.
zipHas Physics.html 'href="Physics-Russian.html"' || fail "Physics.html does not link its translation"
zipHas Physics-Russian.html 'href="Teaching-Russian.html"' || fail "Physics-Russian.html does not link the guide"

unzip -q "$zip" -d "$out"
"$root/scripts/wine-run.sh" "$out/$folder/kestrum-frames.exe" formation --language ru \
  --size 320x240 --out "Z:$out/frame.png" >/dev/null || fail "kestrum-frames cannot paint from the release"
[ -s "$out/frame.png" ] || fail "kestrum-frames wrote no frame from the release"

[ "$failures" -eq 0 ] && echo "dist: 1 passed, 0 failed" || { echo "dist: 0 passed, 1 failed"; exit 1; }

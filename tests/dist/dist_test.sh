#!/usr/bin/env bash
# The release package: what it holds, and that each program needs nothing
# but the DLLs every Windows has.
#   dist_test.sh ENGLISH_EXE RUSSIAN_EXE
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
english="$1" russian="$2"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for program in "$english" "$russian"; do
  imports="$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort)"
  echo "$(basename "$program") imports: $(echo $imports)"
  for dll in $imports; do
    case "$dll" in
      KERNEL32.DLL|USER32.DLL|GDI32.DLL|MSVCRT.DLL) ;;
      *) fail "$(basename "$program") imports $dll" ;;
    esac
  done
  x86_64-w64-mingw32-objdump -f "$program" | grep -q 'pei-x86-64' || fail "$program is not 64-bit"
done

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$root/scripts/make-dist.sh" 9.8.7 "$out" "$english" "$russian" >/dev/null
zip="$out/kestrum-9.8.7-windows-x64.zip"
[ -f "$zip" ] || fail "no $zip"
listing="$(unzip -Z1 "$zip" | sort)"
expected="$(printf '%s\n' kestrum-9.8.7/ kestrum-9.8.7/Kestrum-English.exe kestrum-9.8.7/Kestrum-Russian.exe \
  kestrum-9.8.7/License.txt kestrum-9.8.7/ReadMe-English.txt kestrum-9.8.7/ReadMe-Russian.txt | sort)"
[ "$listing" = "$expected" ] || fail "zip holds: $listing"
unzip -p "$zip" kestrum-9.8.7/ReadMe-English.txt | grep -q 'Kestrum 9.8.7' || fail "read-me without the version"
unzip -p "$zip" kestrum-9.8.7/ReadMe-Russian.txt | grep -q 'Формирование волны' || fail "Russian read-me garbled"
cmp -s <(unzip -p "$zip" kestrum-9.8.7/Kestrum-English.exe) "$english" || fail "English program differs"

[ "$failures" -eq 0 ] && echo "dist: 1 passed, 0 failed" || { echo "dist: 0 passed, 1 failed"; exit 1; }

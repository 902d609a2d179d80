#!/usr/bin/env bash
# Screenshots of the title and Wave formation of one build at a screen size
# and a display scaling, as docs/screenshots/displays/ shows them.
# Usage: display-shots.sh LANG WIDTHxHEIGHT DPI OUTDIR
# (DPI 96 for 100 %, 144 for 150 %, 192 for 200 %; a Wine prefix per DPI.)
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
language="$1" size="$2" dpi="$3" out="$4"
export WINEPREFIX="$kestrum_root/build/wine/shots-dpi$dpi" KESTRUM_DPI="$dpi"
kestrum_start_xvfb "$size"
trap 'kestrum_stop_prefix; kill $kestrum_xvfb 2>/dev/null' EXIT
kestrum_prepare_prefix
"$kestrum_wine" "$kestrum_root/build/bin/kestrum-$language.exe" >/dev/null 2>&1 </dev/null &
for _ in $(seq 150); do xdotool search --name '^Ondrel$' >/dev/null 2>&1 && break; sleep 0.2; done
sleep 2
mkdir -p "$out"
name="$language-%s-$size-${dpi}dpi.png"
import -window root "$out/$(printf "$name" title)"
xdotool key 3
sleep 3
import -window root "$out/$(printf "$name" formation)"
xdotool key Escape
sleep 1
xdotool key alt+F4
sleep 1

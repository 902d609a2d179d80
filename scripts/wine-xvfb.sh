#!/usr/bin/env bash
# Runs a Windows program under Wine on a private Xvfb display of the given
# size (a prefix of its own, X11 driver), for the benchmarks at real screen
# sizes; stops the display and the prefix's Wine afterwards.
# Usage: wine-xvfb.sh WIDTHxHEIGHT PROGRAM [ARGUMENTS...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
size="$1"
shift
export WINEPREFIX="${KESTRUM_WINEPREFIX:-$kestrum_root/build/wine/xvfb}"
work="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 </dev/null &
xvfb=$!
trap 'kestrum_stop_prefix; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do grep -q '^[0-9]' "$work/display" 2>/dev/null && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
kestrum_prepare_prefix
"$kestrum_wine" "$@"

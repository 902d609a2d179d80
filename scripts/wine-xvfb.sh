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
kestrum_start_xvfb "$size"
trap 'kestrum_stop_prefix; kill $kestrum_xvfb 2>/dev/null' EXIT
kestrum_prepare_prefix
"$kestrum_wine" "$@"

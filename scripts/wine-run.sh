#!/usr/bin/env bash
# Runs a Windows program under Wine with the null display driver (a fixed
# 1024 x 768 desktop), as ctest's emulator and for the benchmarks.
# Its exit code is the program's.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
unset DISPLAY WAYLAND_DISPLAY
export KESTRUM_GRAPHICS_DRIVER=null
export WINEPREFIX="${KESTRUM_WINEPREFIX:-$kestrum_root/build/wine/headless}"
kestrum_prepare_prefix
exec "$kestrum_wine" "$@"

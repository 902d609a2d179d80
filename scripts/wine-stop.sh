#!/usr/bin/env bash
# Stops the Wine processes of the test prefix that scripts/wine-run.sh keeps
# running between tests.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
export WINEPREFIX="${KESTRUM_WINEPREFIX:-$kestrum_root/build/wine/headless}"
[ -d "$WINEPREFIX" ] && kestrum_stop_prefix
exit 0

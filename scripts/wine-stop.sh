#!/usr/bin/env bash
# Stops the Wine processes of the tests' prefix: its server, services and
# desktop, which scripts/wine-run.sh keeps running between tests.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
kestrum_use_test_prefix
[ -d "$WINEPREFIX" ] && kestrum_stop_prefix
exit 0

#!/usr/bin/env bash
# Starts the tests' Wine prefix (creating it the first time), detached, so
# that every test after it starts at once: CTest runs it before the first
# test that needs Wine, and scripts/wine-stop.sh after the last.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
kestrum_use_test_prefix
kestrum_prepare_prefix

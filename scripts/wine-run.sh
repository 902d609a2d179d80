#!/usr/bin/env bash
# Runs a Windows program under Wine in the tests' prefix (null display
# driver, a fixed 1024 x 768 desktop), as ctest's emulator and for the
# benchmarks. Its exit code is the program's.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
kestrum_use_test_prefix
kestrum_prepare_prefix
exec "$kestrum_wine" "$@"

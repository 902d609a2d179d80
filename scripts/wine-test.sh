#!/usr/bin/env bash
# ctest's emulator: runs a test program under Wine like scripts/wine-run.sh.
# A GoogleTest case passes only when the program says "[  PASSED  ] 1 test.",
# exits with 0 and did not crash: a Wine process killed from outside may
# exit with 0 without the line, one that crashes on its way out prints the
# line, and a crash handed to Wine's debugger in a freshly started prefix
# may still end with 0.
set -uo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
case " $* " in
  *" --gtest_list_tests "*)
    # CTest lists a program's cases when it reads the tests, before any
    # fixture has started the prefix: one started for the listing stops again.
    source "$here/wine-env.sh"
    kestrum_use_test_prefix
    was_running=false
    [ -d "$WINEPREFIX" ] && kestrum_prefix_running && was_running=true
    "$here/wine-run.sh" "$@"
    status=$?
    [ "$was_running" = true ] || kestrum_stop_prefix
    exit "$status" ;;
  *" --gtest_filter="*) ;;
  *) exec "$here/wine-run.sh" "$@" ;;
esac
output="$(mktemp)"
trap 'rm -f "$output"' EXIT
"$here/wine-run.sh" "$@" 2>&1 | tee "$output"
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
  echo "wine-test: the test program exited with $status"
  exit "$status"
fi
if grep -q '^wine: Unhandled' "$output"; then
  echo "wine-test: the test program crashed"
  exit 1
fi
if ! grep -q '\[  PASSED  \] 1 test\.' "$output"; then
  echo "wine-test: the test program did not report one passed test"
  exit 1
fi

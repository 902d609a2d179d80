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

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
    # A listing that Wine ends before the program says anything is tried
    # once more in a prefix started anew. CTest shows only the standard
    # output of a listing that fails: what went wrong is printed there.
    was_running=false
    [ -d "$WINEPREFIX" ] && kestrum_prefix_running && was_running=true
    errors="$(mktemp)"
    for try in 1 2; do
      listing="$("$here/wine-run.sh" "$@" 2>"$errors")"
      status=$?
      [ "$status" -ne 0 ] && [ -z "$listing" ] && [ "$try" -eq 1 ] || break
      echo "wine-test: listing $1 printed nothing and exited with $status; once more:" >&2
      cat "$errors" >&2
      kestrum_stop_prefix
    done
    printf '%s\n' "$listing"
    if [ "$status" -ne 0 ]; then
      cat "$errors"
      echo "wine-test: listing $1 exited with $status"
    else
      cat "$errors" >&2
    fi
    rm -f "$errors"
    [ "$was_running" = true ] || kestrum_stop_prefix
    exit "$status" ;;
  *" --gtest_filter="*) ;;
  *) exec "$here/wine-run.sh" "$@" ;;
esac
output="$(mktemp)"
trap 'rm -f "$output"' EXIT
# A program that printed nothing at all never reached its first line:
# Wine did not start it. It is started once more, and says so.
for try in 1 2; do
  "$here/wine-run.sh" "$@" 2>&1 | tee "$output"
  status=${PIPESTATUS[0]}
  [ "$status" -ne 0 ] && [ ! -s "$output" ] && [ "$try" -eq 1 ] || break
  echo "wine-test: the test program printed nothing and exited with $status; once more"
done
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

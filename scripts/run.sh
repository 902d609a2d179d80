#!/usr/bin/env bash
# Starts a language build of Kestrum under Wine: on the user's display when
# there is one; otherwise on a virtual display long enough to save a
# screenshot of what it shows, after which the program is closed.
set -euo pipefail
language="${1:-en}"
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
program="$kestrum_root/build/bin/kestrum-$language.exe"
[ -f "$program" ] || { echo "run: $program is not built (make build)" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export WINEPREFIX="${KESTRUM_WINEPREFIX:-$kestrum_root/build/wine/display}"
  kestrum_prepare_prefix
  exec "$kestrum_wine" "$program"
fi

echo "run: no display; running on a virtual 1366 x 768 display (Xvfb) for a screenshot"
export WINEPREFIX="${KESTRUM_WINEPREFIX:-$kestrum_root/build/wine/xvfb}"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
kestrum_prepare_prefix

"$kestrum_wine" "$program" &
program_pid=$!
for _ in $(seq 100); do
  xdotool search --name '^Ondrel$' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 2
shot="$kestrum_root/build/screenshot-$language.png"
import -window root "$shot"
echo "run: screenshot saved to $shot"
window="$(xdotool search --name '^Ondrel$' | head -1 || true)"
[ -n "$window" ] && xdotool windowclose "$window" 2>/dev/null || true
sleep 1
kill "$program_pid" 2>/dev/null || true
kestrum_stop_prefix

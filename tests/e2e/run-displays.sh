#!/usr/bin/env bash
# End-to-end test of the displays, English build: with two monitors,
# --monitor 2 fills the second and M moves the window to the first and back
# while a run goes on; in a Wine virtual desktop, a change of resolution
# lays the screen out again at the new size.
# Usage: run-displays.sh PROGRAM PROBE
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e-lib.sh" displays en "$@"
export WINEPREFIX="${KESTRUM_E2E_WINEPREFIX:-$kestrum_root/build/wine/displays}"

# The window's client area is W x H.
windowIs() { awk -F'\t' -v w="$1" -v h="$2" '$1 == "window" && $6 == w && $7 == h { f = 1 } END { exit !f }' "$state"; }
# Wave formation laid out for W x H, "Start" or "Pause" on its first button.
formationAt() {
  windowIs "$1" "$2" && hasControl BUTTON 1013 270 $(($2 - 50)) 250 50 "x10" &&
    hasControl BUTTON 1001 10 $(($2 - 200)) 250 50 "$3"
}
runningFormationAt() { formationAt "$1" "$2" "$pauseCaption"; }
# The title panel laid out for W x H.
titleAt() {
  windowIs "$1" "$2" && hasControl BUTTON 1009 $(($1 - 260)) $(($2 - 50)) 250 50 "$exitCaption" &&
    hasControl BUTTON 1004 10 $(($2 - 50)) 250 50 "$authorsCaption"
}

mkdir -p "$(dirname "$WINEPREFIX")"
exec 8>"$WINEPREFIX.e2e-lock"
flock -w 200 8 || abort "another end-to-end run holds $WINEPREFIX"

step "two monitors: 1366 x 768 and 1920 x 1080"
Xvfb -displayfd 3 -screen 0 1366x768x24 -screen 1 1920x1080x24 +xinerama -nolisten tcp \
  3>"$work/display" >"$work/xvfb.log" 2>&1 </dev/null &
xvfbPid=$!
for _ in $(seq 100); do grep -q '^[0-9]' "$work/display" 2>/dev/null && break; sleep 0.1; done
grep -q '^[0-9]' "$work/display" || abort "Xvfb did not start (see $work/xvfb.log)"
export DISPLAY=":$(head -1 "$work/display")"
kestrum_prepare_prefix
# With RandR Wine sees one monitor; without it, both Xinerama heads.
kestrum_reg 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N
kestrum_stop_prefix
kestrum_prepare_prefix

"$kestrum_wine" "$program" --monitor 2 >"$work/program.log" 2>&1 </dev/null &
programPid=$!
waitUntil "the title on the second monitor" titleAt 1920 1080
xdotool mousemove 700 100 click 1
xdotool key 3
waitUntil "Wave formation" formationAt 1920 1080 "$startCaption"
xdotool key space
waitUntil "a run going on the second monitor" runningFormationAt 1920 1080
step "M: to the first monitor and back, the run going on"
xdotool key m
waitUntil "the running Wave formation on the first monitor" runningFormationAt 1366 768
xdotool key m
waitUntil "the running Wave formation on the second monitor" runningFormationAt 1920 1080
kill "$programPid" 2>/dev/null; wait "$programPid" 2>/dev/null; programPid=""
kestrum_stop_prefix

step "a change of resolution in a virtual desktop: 1600 x 900, 1024 x 768, 1280 x 720"
kestrum_reg 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d Y
kestrum_stop_prefix
kestrum_prepare_prefix
"$kestrum_wine" explorer /desktop=kestrum,1600x900 "$program" >"$work/program.log" 2>&1 </dev/null &
programPid=$!
export KESTRUM_PROBE_DESKTOP=kestrum
waitUntil "the title at 1600 x 900" titleAt 1600 900
for size in "1024 768" "1280 720"; do
  runProbe resolution $size >/dev/null || fail "the resolution could not change to $size"
  waitUntil "the title laid out again at $size" titleAt $size
done
finishSession

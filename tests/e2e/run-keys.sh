#!/usr/bin/env bash
# End-to-end test of one language build driven with real keys, as a
# lecturer with a keyboard or a presentation remote drives it: each key of
# each screen must leave the state that a click on the matching button
# leaves (checked with the same predicates as the clicks), Tab and Enter
# must reach every button, and a double-click must end on the screen its
# first click opened.
# Usage: run-keys.sh LANG PROGRAM PROBE
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e-lib.sh" keys "$@"

# Long enough for a key to have acted, were it going to.
kQuietSeconds=1

pressKey() { xdotool key "$1"; }

focusIs() { grep -q "^focus	$1	$2	$3\$" "$state"; }

labelReads() { hasControl static 2 280 "$1" 100 50 "$2"; }

propagationDrawn() { [ "$(runProbe busy)" = idle ]; }

# The key leaves the screen as it was.
expectNothing() {
  sleep "$kQuietSeconds"
  readState
  "$@" || fail "a key changed what it should have left alone: $(tr '\t\n' ' |' <"$state")"
}

# Page Down into the propagation screen: the Menu button is whole while the
# plot is still being drawn.
enterPropagation() {
  pressKey "$1"
  waitUntil "the propagation screen after $1" loneMenuUp 270
  sleep 0.5
  takeShot propagation-drawing
  waitUntil "the end of the propagation drawing" propagationDrawn
  takeShot propagation-drawn
  expectSameRegion propagation-drawing propagation-drawn 270 718 250 50 \
    "the Menu button is painted before the stages"
}

startSession

step "title: Escape and Page Up do nothing; Page Down, 1, 2, 3, A"
pressKey Escape
expectNothing titlePanelUp
pressKey Prior
expectNothing titlePanelUp
pressKey Next
waitUntil "the theory screen after Page Down" loneMenuUp 10
pressKey Prior
waitUntil "the title after Page Up" titlePanelUp
pressKey 1
waitUntil "the theory screen after 1" loneMenuUp 10
pressKey Escape
waitUntil "the title after Escape" titlePanelUp
pressKey a
waitUntil "the authors screen after A" loneMenuUp 10
pressKey Next
waitUntil "the title after Page Down on the authors screen" titlePanelUp
pressKey a
waitUntil "the authors screen after A" loneMenuUp 10
pressKey Prior
waitUntil "the title after Page Up on the authors screen" titlePanelUp
pressKey a
waitUntil "the authors screen after A" loneMenuUp 10
pressKey Escape
waitUntil "the title after Escape on the authors screen" titlePanelUp

step "theory, propagation: Page Down, Page Up, Escape"
pressKey Next
waitUntil "the theory screen" loneMenuUp 10
enterPropagation Next
pressKey Prior
waitUntil "the theory screen after Page Up" loneMenuUp 10
enterPropagation Next
pressKey Escape
waitUntil "the title after Escape" titlePanelUp
enterPropagation 2
pressKey Next
waitUntil "the formation screen after Page Down" formationPanelUp

step "formation: a remote's Page Down and Page Up never move the focused b slider"
focusIs 1201 10 443 || fail "the focus is not on the b slider: $(grep '^focus' "$state")"
pressKey Next
expectNothing labelReads 443 "b=0.3"
formationPanelUp || fail "Page Down left the formation screen"
pressKey Right
waitUntil "b=0.32 after the right arrow" labelReads 443 "b=0.32"
pressKey Left
waitUntil "b=0.3 after the left arrow" labelReads 443 "b=0.3"
pressKey Prior
waitUntil "the propagation screen after Page Up" loneMenuUp 270
waitUntil "the end of the propagation drawing" propagationDrawn
pressKey Next
waitUntil "the formation screen after Page Down" formationPanelUp

step "formation: 5, 0, 1 magnify; Space, F5, R"
settleShot keys-x1 title
for key in 5 0 1; do
  pressKey "$key"
  case "$key" in 5) top=638 ;; 0) top=713 ;; 1) top=563 ;; esac
  settleShot "keys-$key" "$( [ "$key" = 5 ] && echo keys-x1 || echo "keys-$previous")"
  expectPixel "keys-$key" 265 $((top + 30)) 0000FF "the blue frame after the key $key"
  previous=$key
done
pressKey space
waitUntil "'$pauseCaption' after Space" startPauseReads "$pauseCaption"
pressKey F5
waitUntil "'$startCaption' after F5" startPauseReads "$startCaption"
pressKey space
waitUntil "'$pauseCaption' after Space" startPauseReads "$pauseCaption"

step "formation: B, ., W and , blank the screen; a key or a click brings it back"
noControlShows() { ! awk -F'\t' '$1 == "child" && $8 == 1 { f = 1 } END { exit !f }' "$state"; }
blankScreen() {
  pressKey "$1"
  waitUntil "no control after $1" noControlShows
  settleShot "blank-$1" keys-x1
  [ "$(countColour "blank-$1" 0 0 "$kWidth" "$kHeight" "$2")" -eq $((kWidth * kHeight)) ] ||
    fail "the screen is not all #$2 after $1"
}
blankScreen b 000000
pressKey b
waitUntil "the formation screen back after B again" formationPanelUp
blankScreen period 000000
pressKey Right
waitUntil "the formation screen back after an arrow" formationPanelUp
labelReads 443 "b=0.3" || fail "the key that brought the screen back also moved the b slider"
blankScreen w FFFFFF
clickAt 10 718 250 50
waitUntil "the formation screen back after a click" formationPanelUp
blankScreen comma FFFFFF
pressKey Escape
waitUntil "the formation screen back after Escape" formationPanelUp
startPauseReads "$pauseCaption" || fail "the run did not go on after the blank screens"
pressKey space
waitUntil "'$startCaption' after Space" startPauseReads "$startCaption"

step "formation: P shows the run's caption, P again takes it away"
pressKey p
settleShot projector-on keys-x1
[ "$(countColour projector-on 737 45 589 15 1a2a4a)" -gt 500 ] || fail "no progress bar in the projector mode"
pressKey p
settleShot projector-off projector-on
[ "$(countColour projector-off 737 45 589 15 1a2a4a)" -eq 0 ] || fail "the progress bar stays after P again"

pressKey r
waitUntil "'$startCaption' after R" startPauseReads "$startCaption"
settleShot keys-reset empty
checkInitialProfile keys-reset

step "formation: Tab, Shift+Tab and Enter"
pressKey Tab
waitUntil "the focus on Start after Tab" focusIs 1001 10 568
pressKey Tab
waitUntil "the focus on x1 after Tab" focusIs 1011 270 568
pressKey space
waitUntil "'$pauseCaption' after Space on x1" startPauseReads "$pauseCaption"
pressKey F5
waitUntil "'$startCaption' after F5 on x1" startPauseReads "$startCaption"
pressKey shift+Tab
waitUntil "the focus back on Start after Shift+Tab" focusIs 1001 10 568
pressKey Return
waitUntil "'$pauseCaption' after Enter" startPauseReads "$pauseCaption"
focusIs 1001 10 568 || fail "the focus left the Start/Pause button after Enter"
pressKey Return
waitUntil "'$startCaption' after Enter" startPauseReads "$startCaption"
pressKey Escape
waitUntil "the title after Escape" titlePanelUp

step "title: 3, Tab through the buttons, Enter"
pressKey 3
waitUntil "the formation screen after 3" formationPanelUp
pressKey Escape
waitUntil "the title after Escape" titlePanelUp
pressKey Tab
waitUntil "the focus on the first button" focusIs 1010 "$titleColumnX" 385
pressKey shift+Tab
waitUntil "the focus on Exit, the last button" focusIs 1009 1106 718
pressKey shift+Tab
waitUntil "the focus on Authors, before Exit" focusIs 1004 10 718
pressKey Return
waitUntil "the authors screen after Enter" loneMenuUp 10

step "double-clicks"
doubleClickAt() {
  xdotool mousemove "$(($1 + $3 / 2))" "$(($2 + $4 / 2))" click --repeat 2 --delay 120 1
}
doubleClickAt 10 718 250 50
waitUntil "the title after a double-click on Menu" titlePanelUp
expectNothing titlePanelUp
doubleClickAt 10 718 250 50
waitUntil "the authors screen after a double-click on Authors" loneMenuUp 10
expectNothing loneMenuUp 10

step "Alt+F4"
pressKey alt+F4
expectExitedCleanly
finishSession

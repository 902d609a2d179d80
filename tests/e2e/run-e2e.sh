#!/usr/bin/env bash
# End-to-end test of one language build driven with real mouse clicks
# through every screen; each screen's windows and pixels are checked.
# Usage: run-e2e.sh LANG PROGRAM PROBE
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e-lib.sh" clicks "$@"

startSession

step "Burgers equation: theory screen"
clickAt "$titleColumnX" 385 400 50
waitUntil "the theory screen's Menu button" loneMenuUp 10
settleShot theory title
expectPictureScreen theory 10 718 title
step "Menu"
clickAt 10 718 250 50
waitUntil "the title panel after Menu" titlePanelUp

step "Authors"
clickAt 10 718 250 50
waitUntil "the authors screen's Menu button" loneMenuUp 10
settleShot authors title
expectPictureScreen authors 10 718 title
expectChangedRegion authors theory 0 0 "$kWidth" 700 $((kWidth * 70)) "credits, not the theory"
clickAt 10 718 250 50
waitUntil "the title panel after Menu" titlePanelUp

step "Wave propagation"
clickStartMs=$(($(date +%s%N) / 1000000))
clickAt "$titleColumnX" 435 400 50
waitUntil "the propagation screen's Menu button" loneMenuUp 270
# A look while the stages come: once the first stages show, or half way
# through the drawing; the window answers all the while.
until takeShot propagation-early &&
      [ "$(countColour propagation-early "${topCurveBand[@]}" 000000)" -gt 0 ]; do
  [ $(($(date +%s%N) / 1000000 - clickStartMs)) -lt $((kPropagationStagesMs / 2)) ] || break
  sleep 0.1
done
[ "$(runProbe busy)" = idle ] || fail "propagation: the window did not answer during the drawing"
# Done when the lowest curve is drawn.
deadline=$((SECONDS + kStepTimeout))
until takeShot propagation-done &&
      [ "$(countColour propagation-done "${lowestCurveBand[@]}" 000000)" -ge "$kLowestCurvePixels" ]; do
  [ $SECONDS -lt $deadline ] || { fail "the propagation plot never completed"; break; }
  sleep 0.2
done
paintMs=$(($(date +%s%N) / 1000000 - clickStartMs))
echo "propagation: ${paintMs} ms from the click to the finished plot"
[ "$paintMs" -ge "$kLastVisibleStageMs" ] ||
  fail "the propagation plot was done ${paintMs} ms after the click, sooner than its stages come"
settleShot propagation title
expectPixel propagation 282 730 "$buttonFace" "Menu button face"
expectShare propagation 0 600 "$kWidth" 100 FFFFFF 99 "white below the plot"
# Baseline k lies at (m H)/7, m = 2..5; the lowest is drawn last.
for y in 219 329 438 548; do
  expectShare propagation 0 "$y" "$kWidth" 1 000000 $kAxisShare "baseline y=$y"
  expectSome propagation 0 $((y - 45)) "$kWidth" 40 000000 "curve above baseline y=$y"
  expectSome propagation 0 $((y + 5)) "$kWidth" 40 000000 "curve below baseline y=$y"
done
# The header picture at (W/2 - 300, 10).
headerColours=$(colourCount propagation 383 10 465 100)
[ "$headerColours" -ge 20 ] || fail "propagation: header picture missing ($headerColours colours)"
# Stage by stage: early on, the first stages showed on the top baseline and
# the lowest curve was not yet complete.
first=$(countColour propagation-early "${topCurveBand[@]}" 000000)
early=$(countColour propagation-early "${lowestCurveBand[@]}" 000000)
final=$(countColour propagation "${lowestCurveBand[@]}" 000000)
[ "$first" -gt 0 ] || fail "propagation: no stage showed early in the drawing"
[ "$early" -lt "$final" ] ||
  fail "propagation: the curve was complete early in the drawing ($early of $final pixels)"
clickAt 270 718 250 50
waitUntil "the title panel after Menu" titlePanelUp

# During the drawing, Esc and B act at once.
expectKeyWithin() {  # VK SCREEN WHAT
  local ms
  ms=$(runProbe time-key "$1" "$2")
  echo "propagation drawing: $3 after ${ms} ms"
  [[ "$ms" =~ ^[0-9]+$ ]] && [ "$ms" -le "$kKeyLatencyMs" ] ||
    fail "during the propagation drawing, $3 took ${ms} ms (limit ${kKeyLatencyMs})"
}
step "Esc and B during the propagation drawing"
for key in 27:title:"Esc brings the title" 66:blank:"B blanks the screen"; do
  clickAt "$titleColumnX" 435 400 50
  waitUntil "the propagation screen's Menu button" loneMenuUp 270
  sleep 0.5
  expectKeyWithin "${key%%:*}" "$(cut -d: -f2 <<<"$key")" "${key#*:*:}"
done
takeShot propagation-blank
expectShare propagation-blank 0 0 "$kWidth" "$kHeight" 000000 99 "the blank screen is black"
xdotool key Escape
sleep 0.5
clickAt 270 718 250 50
waitUntil "the title panel after Menu" titlePanelUp

step "Wave formation"
clickAt "$titleColumnX" 485 400 50
waitUntil "the formation panel" formationPanelUp
expectControl BUTTON 1001 10 568 250 50 "$startCaption"
expectControl BUTTON 1002 10 643 250 50 "$resetCaption"
expectControl BUTTON 1007 10 718 250 50 "$menuCaption"
expectControl BUTTON 1011 270 568 250 50 "x1"
expectControl BUTTON 1012 270 643 250 50 "x5"
expectControl BUTTON 1013 270 718 250 50 "x10"
expectControl msctls_trackbar32 1201 10 368 250 50 "Trackbar"
expectControl msctls_trackbar32 1201 10 443 250 50 "Trackbar"
expectControl static 2 280 368 130 50 "V=0.002"
expectControl static 2 280 443 100 50 "b=0.3"
[ "$(trackbarPosition 10 368)" = 11 ] || fail "V slider at $(trackbarPosition 10 368), expected 11"
[ "$(trackbarPosition 10 443)" = 15 ] || fail "b slider at $(trackbarPosition 10 443), expected 15"
settleShot formation-x1 title
checkFormationPlot formation-x1 1
checkInitialProfile formation-x1
expectPixel formation-x1 22 580 "$buttonFace" "Start button face"

step "Start, Pause"
clickAt 10 568 250 50
waitUntil "'$pauseCaption' on the Start/Pause button" startPauseReads "$pauseCaption"
sleep "$runSeconds"
clickAt 10 568 250 50
waitUntil "'$startCaption' on the Start/Pause button" startPauseReads "$startCaption"
settleShot formation-paused formation-x1
expectChangedRegion formation-paused formation-x1 586 60 780 240 200 "the profile moved while running"
# The plot panels above the diffusion panel, and the diffusion panel.
upperPanels=(560 60 806 470)
lowerPanel=(560 535 806 233)

step "x5, x10"
clickAt 270 643 250 50
settleShot formation-x5 formation-paused
checkFormationPlot formation-x5 5
clickAt 270 718 250 50
settleShot formation-x10 formation-x5
checkFormationPlot formation-x10 10
expectSameRegion formation-x10 formation-paused "${upperPanels[@]}" "profile and speed keep their place at x10"
expectChangedRegion formation-x10 formation-paused "${lowerPanel[@]}" 50 "the diffusion curve grows at x10"

step "V slider"
# A click on the channel right of the thumb moves it by one page (one position).
expected=""
xdotool mousemove 240 380 click 1
waitUntil "the V slider to move" vSliderMoved
position=$(trackbarPosition 10 368)
if [ -n "$position" ] && [ "$position" -ge 1 ] && [ "$position" -le 31 ]; then
  tenThousandths=$((9 + position))
  if [ $((tenThousandths % 10)) -eq 0 ]; then expected="V=0.00$((tenThousandths / 10))"; else expected="V=0.00$tenThousandths"; fi
  expectControl static 2 280 368 130 50 "$expected"
else
  fail "V slider at position '$position' after the click"
fi
expectControl static 2 280 443 100 50 "b=0.3"
settleShot formation-slider formation-x10
expectSameRegion formation-slider formation-x10 560 0 806 768 "a slider move repaints nothing"

step "Start, Reset"
clickAt 10 568 250 50
waitUntil "'$pauseCaption' after Start" startPauseReads "$pauseCaption"
sleep 0.5
clickAt 10 643 250 50
waitUntil "'$startCaption' after Reset" startPauseReads "$startCaption"
settleShot formation-reset formation-slider
# Frame 0 again: the profile is the initial sine whatever V is.
expectSameRegion formation-reset formation-x1 586 60 780 240 "Reset shows frame 0"
checkFormationPlot formation-reset 10
expectControl static 2 280 368 130 50 "$expected"

step "Menu, Exit"
clickAt 10 718 250 50
waitUntil "the title panel after Menu" titlePanelUp
settleShot title-again formation-reset
expectPictureScreen title-again "$titleColumnX" 385 ""
clickAt 1106 718 250 50
expectExitedCleanly
finishSession

# Sourced by the end-to-end tests of one language build: they start the
# program under Wine on a private 1366 x 768 Xvfb display, drive it with
# real clicks or keys, and check the windows (through the probe program,
# run in the same prefix) and the pixels of screenshots.
#   source e2e-lib.sh SUITE LANG PROGRAM PROBE
# KESTRUM_SCREENSHOTS_DIR: also copy the screenshots there as LANG-NAME.png.
# KESTRUM_E2E_WINEPREFIX: the Wine prefix (default build/wine/e2e).
suite="$1"
language="$2"
program="$3"
probe="$4"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
export WINEPREFIX="${KESTRUM_E2E_WINEPREFIX:-$kestrum_root/build/wine/e2e}"

kWidth=1366
kHeight=768
kWindowTimeout=90     # seconds for the first window, a new prefix included
kStepTimeout=30       # seconds for a screen to appear after a click
kExitTimeout=30
kPropagationStagesMs=4500  # 45 stages, 100 ms apart
kLastVisibleStageMs=3800   # the 38th, the last stage inside the screen
kKeyLatencyMs=200
# Above the top baseline (y=219): its curve, drawn in the first stages;
# above the lowest baseline (y=548): its curve, drawn in the last stages.
topCurveBand=(0 174 "$kWidth" 40)
lowestCurveBand=(0 500 "$kWidth" 47)
kLowestCurvePixels=500
# How long the formation animation runs before Pause; the screenshots for
# the documentation show a later frame, where the front has steepened.
runSeconds=1.5
[ -n "${KESTRUM_SCREENSHOTS_DIR:-}" ] && runSeconds=10
# The screenshots copied to KESTRUM_SCREENSHOTS_DIR.
kDocumentedShots="title theory authors propagation formation-x1 formation-x10"
kAxisShare=95         # per cent of an axis' pixels that must show its colour

case "$language" in
  en)
    theoryCaption="Burgers equation"; propagationCaption="Wave propagation"
    formationCaption="Wave formation"; exitCaption="Exit"; authorsCaption="Authors"
    startCaption="Start"; pauseCaption="Pause"; resetCaption="Reset"; menuCaption="Menu"
    titleColumnX=482 ;;
  ru)
    theoryCaption="Уравнение Бюргерса"; propagationCaption="Распространение волны"
    formationCaption="Формирование волны"; exitCaption="Выход"; authorsCaption="Авторы"
    startCaption="Старт"; pauseCaption="Пауза"; resetCaption="Сброс"; menuCaption="Меню"
    titleColumnX=460 ;;
  *) echo "run-e2e: unknown language '$language'" >&2; exit 2 ;;
esac

work="$PWD/e2e-$suite-$language"
rm -rf "$work"
mkdir -p "$work"
state="$work/state.txt"
failures=0
startedAt=$SECONDS
xvfbPid=""
programPid=""
programRc=""

cleanUp() {
  [ -n "$programPid" ] && kill "$programPid" 2>/dev/null
  kestrum_stop_prefix
  [ -n "$xvfbPid" ] && kill "$xvfbPid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanUp EXIT
# A stop from ctest's timeout or a ^C still cleans up.
trap 'exit 143' TERM INT HUP

fail() {
  failures=$((failures + 1))
  echo "FAIL: $*"
}

# Ends the test at once: what follows depends on this step.
abort() {
  fail "$*"
  echo "e2e-$suite.$language: stopped early; $failures check(s) failed (files in $work)"
  exit 1
}

step() { echo "--- $((SECONDS - startedAt)) s: $*"; }

# ---- Display and program -------------------------------------------------

startDisplay() {
  # Xvfb picks a free display itself and writes its number when it is ready.
  Xvfb -displayfd 3 -screen 0 "${kWidth}x${kHeight}x24" -nolisten tcp \
    3>"$work/display" >"$work/xvfb.log" 2>&1 </dev/null &
  xvfbPid=$!
  for _ in $(seq 100); do
    grep -q '^[0-9]' "$work/display" 2>/dev/null && break
    sleep 0.1
  done
  grep -q '^[0-9]' "$work/display" || abort "Xvfb did not start (see $work/xvfb.log)"
  export DISPLAY=":$(head -1 "$work/display")"
}

startProgram() {
  "$kestrum_wine" "$program" >"$work/program.log" 2>&1 </dev/null &
  programPid=$!
  local deadline=$((SECONDS + kWindowTimeout))
  until xdotool search --name '^Ondrel$' >/dev/null 2>&1; do
    kill -0 "$programPid" 2>/dev/null || abort "the program ended before showing its window"
    [ $SECONDS -lt $deadline ] || abort "no window 'Ondrel' after ${kWindowTimeout} s"
    sleep 0.2
  done
}

# Waits for the program to end by itself and keeps its exit code.
waitForExit() {
  local deadline=$((SECONDS + kExitTimeout))
  while kill -0 "$programPid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || { fail "the program still runs ${kExitTimeout} s after Exit"; return; }
    sleep 0.2
  done
  wait "$programPid"
  programRc=$?
  programPid=""
}

# ---- Probe ---------------------------------------------------------------

runProbe() { "$kestrum_wine" "$probe" "$@" 2>/dev/null | tr -d '\r'; }

readState() { runProbe >"$state"; }

# Lines of the children with a control id.
childLines() { awk -F'\t' -v id="$1" '$1 == "child" && $3 == id' "$state"; }

childCount() { grep -c '^child' "$state"; }

# True when a visible child of the class (any case) has the id, rectangle and text.
hasControl() {
  local class="$1" id="$2" x="$3" y="$4" w="$5" h="$6" text="$7"
  awk -F'\t' -v c="${class,,}" -v id="$id" -v x="$x" -v y="$y" -v w="$w" -v h="$h" \
      -v t="$text" '$1 == "child" && tolower($2) == c && $3 == id && $4 == x && $5 == y &&
      $6 == w && $7 == h && $8 == 1 && $10 == t { found = 1 } END { exit !found }' "$state"
}

expectControl() {
  hasControl "$@" && return 0
  fail "no visible $1 id $2 at ($3,$4) ${5}x$6 with text '$7'; children with id $2: $(childLines "$2" | tr '\t\n' ' |')"
}

expectChildCount() {
  local count
  count=$(childCount)
  [ "$count" -eq "$1" ] || fail "$2: $count child windows, expected $1: $(grep '^child' "$state" | cut -f2,3,10 | tr '\t\n' ' |')"
}

# The probe's view of the trackbar at (x, y): its position.
trackbarPosition() {
  awk -F'\t' -v x="$1" -v y="$2" '$1 == "child" && tolower($2) == "msctls_trackbar32" &&
      $4 == x && $5 == y { print $9 }' "$state"
}

# Waits until the predicate (a command run on a fresh probe state) holds;
# the steps after it depend on it, so the test ends if it never does.
waitUntil() {
  local what="$1"; shift
  local deadline=$((SECONDS + kStepTimeout))
  while :; do
    readState
    "$@" && return 0
    if [ $SECONDS -ge $deadline ]; then
      takeShot timed-out
      abort "timed out waiting for $what; the window: $(tr '\t\n' ' |' <"$state")"
    fi
    sleep 0.2
  done
}

titlePanelUp() {
  hasControl BUTTON 1010 "$titleColumnX" 385 400 50 "$theoryCaption" &&
    hasControl BUTTON 1009 1106 718 250 50 "$exitCaption" && [ "$(childCount)" -eq 5 ]
}

loneMenuUp() { hasControl BUTTON 1007 "$1" 718 250 50 "$menuCaption" && [ "$(childCount)" -eq 1 ]; }

startPauseReads() { hasControl BUTTON 1001 10 568 250 50 "$1" && [ "$(childLines 1001 | wc -l)" -eq 1 ]; }

vSliderMoved() { [ "$(trackbarPosition 10 368)" != 11 ]; }

formationPanelUp() { hasControl BUTTON 1013 270 718 250 50 "x10" && [ "$(childCount)" -eq 10 ]; }

# ---- Clicks and pictures -------------------------------------------------

# A real click at the centre of a rectangle in screen (= client) coordinates,
# never so soon after the last one that the two would make a double-click.
kDoubleClickMs=500
lastClickMs=0
clickAt() {
  local now=$(($(date +%s%N) / 1000000))
  local wait=$((lastClickMs + kDoubleClickMs + 100 - now))
  [ "$wait" -gt 0 ] && sleep "$(printf '0.%03d' "$wait")"
  xdotool mousemove "$(($1 + $3 / 2))" "$(($2 + $4 / 2))" click 1
  lastClickMs=$(($(date +%s%N) / 1000000))
}

shotPath() { echo "$work/$1.png"; }

takeShot() { import -window root "$(shotPath "$1")"; }

# Takes screenshots until two in a row are the same and differ from the
# screenshot REFERENCE, the screen before the click: the paint is over.
settleShot() {
  local name="$1" reference="$2" previous="$work/.settle.png" deadline=$((SECONDS + kStepTimeout))
  import -window root "$previous"
  while :; do
    sleep 0.3
    takeShot "$name"
    if [ "$(differentPixels "$previous" "$(shotPath "$name")" 0 0 "$kWidth" "$kHeight")" = 0 ] &&
       [ "$(differentShots "$name" "$reference" 0 0 "$kWidth" "$kHeight")" != 0 ]; then
      break
    fi
    [ $SECONDS -lt $deadline ] || { fail "screen '$name' never settled"; break; }
    cp "$(shotPath "$name")" "$previous"
  done
  if [ -n "${KESTRUM_SCREENSHOTS_DIR:-}" ] && [[ " $kDocumentedShots " == *" $name "* ]]; then
    mkdir -p "$KESTRUM_SCREENSHOTS_DIR"
    cp "$(shotPath "$name")" "$KESTRUM_SCREENSHOTS_DIR/$language-$name.png"
  fi
}

pixel() { convert "$(shotPath "$1")" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }

# Pixels of the rectangle (x, y, w, h) of a screenshot that have the colour RRGGBB.
countColour() {
  local name="$1" x="$2" y="$3" w="$4" h="$5" colour="$6" differing
  differing=$(convert -precision 16 "$(shotPath "$name")" -crop "${w}x$h+$x+$y" +repage \
    -size "${w}x$h" "xc:#$colour" -metric AE -compare -format '%[distortion]' info:)
  echo $((w * h - ${differing%.*}))
}

# Pixels that differ between two image files in the rectangle (x, y, w, h).
differentPixels() {
  local d
  d=$(convert -precision 16 "$1" "$2" -crop "${5}x$6+$3+$4" +repage -metric AE -compare \
    -format '%[distortion]' info:)
  echo "${d%.*}"
}

differentShots() {
  differentPixels "$(shotPath "$1")" "$(shotPath "$2")" "$3" "$4" "$5" "$6"
}

colourCount() { convert "$(shotPath "$1")" -crop "${4}x$5+$2+$3" +repage -format '%k' info:; }

expectPixel() {
  local actual
  actual=$(pixel "$1" "$2" "$3")
  [ "${actual^^}" = "${4^^}" ] || fail "$1: pixel ($2,$3) is #$actual, expected #$4 ($5)"
}

expectNotPixel() {
  local actual
  actual=$(pixel "$1" "$2" "$3")
  [ "${actual^^}" != "${4^^}" ] || fail "$1: pixel ($2,$3) is #$actual, expected another colour ($5)"
}

# At least a share (per cent) of the rectangle has the colour, or the
# colour of a curve that may be drawn over it (COVER, optional).
expectShare() {
  local name="$1" x="$2" y="$3" w="$4" h="$5" colour="$6" share="$7" what="$8" cover="${9:-}" count
  count=$(countColour "$name" "$x" "$y" "$w" "$h" "$colour")
  [ -n "$cover" ] && count=$((count + $(countColour "$name" "$x" "$y" "$w" "$h" "$cover")))
  [ $((count * 100)) -ge $((w * h * share)) ] ||
    fail "$name: $what: $count of $((w * h)) pixels #$colour${cover:+ or #$cover} in ${w}x$h+$x+$y, expected >= $share%"
}

# Some pixel of the rectangle has the colour.
expectSome() {
  local count
  count=$(countColour "$1" "$2" "$3" "$4" "$5" "$6")
  [ "$count" -gt 0 ] || fail "$1: $7: no pixel #$6 in ${4}x$5+$2+$3"
}

expectNone() {
  local count
  count=$(countColour "$1" "$2" "$3" "$4" "$5" "$6")
  [ "$count" -eq 0 ] || fail "$1: $7: $count pixels #$6 in ${4}x$5+$2+$3, expected none"
}

expectSameRegion() {
  local d
  d=$(differentShots "$1" "$2" "$3" "$4" "$5" "$6")
  [ "$d" = 0 ] || fail "$1 and $2 differ in $d pixels of ${5}x$6+$3+$4 ($7)"
}

expectChangedRegion() {
  local d
  d=$(differentShots "$1" "$2" "$3" "$4" "$5" "$6")
  [ "$d" -gt "$7" ] || fail "$1 and $2 differ in only $d pixels of ${5}x$6+$3+$4 ($8)"
}

# A picture screen: the picture fills the screen (many colours, little
# pure white, unlike the screen before it) and the button face shows
# inside the button at (x, y).
expectPictureScreen() {
  local name="$1" buttonX="$2" buttonY="$3" previous="$4" colours white
  colours=$(colourCount "$name" 0 0 "$kWidth" 700)
  [ "$colours" -ge 200 ] || fail "$name: only $colours colours above the buttons: no picture"
  white=$(countColour "$name" 0 0 "$kWidth" "$kHeight" FFFFFF)
  [ $((white * 2)) -lt $((kWidth * kHeight)) ] || fail "$name: $white pixels pure white: no picture"
  expectPixel "$name" $((buttonX + 12)) $((buttonY + 12)) "$buttonFace" "button face"
  [ -z "$previous" ] ||
    expectChangedRegion "$name" "$previous" 0 0 "$kWidth" 700 $((kWidth * 70)) "a new picture"
}

# ---- Screens -------------------------------------------------------------

checkTitleScreen() {
  local name="$1"
  expectControl BUTTON 1010 "$titleColumnX" 385 400 50 "$theoryCaption"
  expectControl BUTTON 1005 "$titleColumnX" 435 400 50 "$propagationCaption"
  expectControl BUTTON 1006 "$titleColumnX" 485 400 50 "$formationCaption"
  expectControl BUTTON 1009 1106 718 250 50 "$exitCaption"
  expectControl BUTTON 1004 10 718 250 50 "$authorsCaption"
  expectChildCount 5 "title screen"
  settleShot "$name" "$2"
  expectPictureScreen "$name" "$titleColumnX" 385 ""
  expectPixel "$name" 22 730 "$buttonFace" "Authors button face"
  expectPixel "$name" 1118 730 "$buttonFace" "Exit button face"
  expectPixel "$name" $((titleColumnX + 12)) 497 "$buttonFace" "Wave formation button face"
}

checkMainWindow() {
  local tag left top right bottom clientW clientH style exStyle
  IFS=$'\t' read -r tag left top right bottom clientW clientH style exStyle < <(grep '^window' "$state")
  [ "$left $top $right $bottom" = "0 0 $kWidth $kHeight" ] ||
    fail "main window at ($left,$top)-($right,$bottom), expected the whole screen"
  [ "$clientW x $clientH" = "$kWidth x $kHeight" ] ||
    fail "client area ${clientW}x$clientH, expected ${kWidth}x$kHeight"
  # Borderless: no caption (0x00C00000) and no sizing frame (0x00040000); children clipped.
  (( (style & 0x00C40000) == 0 )) || fail "main window style $style has a caption or a frame"
  (( (style & 0x02000000) != 0 )) || fail "main window style $style lacks WS_CLIPCHILDREN"
  buttonFace=$(awk -F'\t' '$1 == "btnface" { print $2 }' "$state")
}

# The formation plot at 1366 x 768: axes, level line, vertical axes, the
# blue frame around the scale button, the three curves and the picture.
checkFormationPlot() {
  local name="$1" scale="$2"
  local axisLeft=586 axisLength=741 verticalX=953
  expectShare "$name" $axisLeft 185 $axisLength 1 040000 $kAxisShare "profile axis y=185"
  expectShare "$name" $axisLeft 476 $axisLength 1 040000 $kAxisShare "speed axis y=476" FF0000
  # The diffusion curve lies on its axis where the term is small: check beside it.
  expectShare "$name" $axisLeft 658 28 1 040000 100 "diffusion axis left of the curve"
  expectShare "$name" 1305 658 21 1 040000 100 "diffusion axis right of the curve"
  expectNotPixel "$name" 584 185 040000 "the axes start at x=586"
  expectNotPixel "$name" 584 476 040000 "the axes start at x=586"
  local red
  red=$(countColour "$name" $axisLeft 422 $axisLength 1 FF0000)
  [ "$red" -ge $((axisLength * 40 / 100)) ] && [ "$red" -le $((axisLength * 95 / 100)) ] ||
    fail "$name: level line y=422 has $red of $axisLength red pixels: not a dashed red line"
  # The front forms at the vertical axes, where the curves cross them.
  expectShare "$name" $verticalX 76 1 219 040000 $kAxisShare "profile vertical axis x=953"
  expectShare "$name" $verticalX 329 1 185 040000 $kAxisShare "speed vertical axis x=953" FF0000
  expectShare "$name" $verticalX 548 1 201 040000 $kAxisShare "diffusion vertical axis x=953" 0000FF
  local frameTop
  case "$scale" in
    1) frameTop=563 ;; 5) frameTop=638 ;; 10) frameTop=713 ;;
  esac
  for top in 563 638 713; do
    if [ "$top" = "$frameTop" ]; then
      expectPixel "$name" 265 $((top + 30)) 0000FF "blue frame around x$scale, left edge"
      expectPixel "$name" 400 "$top" 0000FF "blue frame around x$scale, top edge"
    else
      expectNotPixel "$name" 265 $((top + 30)) 0000FF "no blue frame at y=$top for x$scale"
    fi
  done
  # The three curves, away from the axes: black profile above its axis left
  # of the vertical axis, red speed curve above the level line, blue
  # diffusion term (the frame around the scale buttons lies left of x=527).
  expectSome "$name" 600 60 340 118 040000 "profile curve"
  expectSome "$name" 616 300 731 115 FF0000 "speed curve"
  expectSome "$name" 616 540 690 200 0000FF "diffusion curve"
  # The background picture: the heading at the top left.
  local colours
  colours=$(colourCount "$name" 0 0 560 60)
  [ "$colours" -ge 20 ] || fail "$name: background picture missing ($colours colours at the heading)"
}

# At frame 0 the profile is one period of the initial sine: its crest at
# y=89 around x=784 (rows 101 to 120), its trough at y=280.
checkInitialProfile() {
  local name="$1"
  expectSome "$name" 784 86 1 6 040000 "crest of the initial profile at y=89"
  expectNone "$name" 784 95 1 85 040000 "nothing black below the crest down to the axis"
  expectSome "$name" 1123 277 1 6 040000 "trough of the initial profile at y=280"
  expectSome "$name" 784 390 1 6 FF0000 "crest of the speed curve at y=393"
}

# The display, the prefix and the program up to its checked title screen.
startSession() {
  step "display and prefix"
  # One run at a time per prefix, also across build trees: each run ends
  # with stopping the prefix's wineserver.
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 8>"$WINEPREFIX.e2e-lock"
  flock -w 200 8 || abort "another end-to-end run holds $WINEPREFIX"
  startDisplay
  takeShot empty
  kestrum_prepare_prefix
  grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" ||
    fail "the prefix lacks X11 Managed=N (hiding windows would stall)"

  step "start-up: title screen"
  startProgram
  waitUntil "the title panel" titlePanelUp
  checkMainWindow
  checkTitleScreen title empty
}

# Exit code 0 and no window left, after the program was told to end.
expectExitedCleanly() {
  waitForExit
  if [ -n "$programRc" ]; then
    [ "$programRc" = 0 ] || fail "the program ended with exit code $programRc"
  fi
  [ "$(runProbe)" = none ] || fail "the main window still exists after the exit"
}

finishSession() {
  echo "e2e-$suite.$language: $((SECONDS - startedAt)) s"
  if [ "$failures" -gt 0 ]; then
    echo "e2e-$suite.$language: $failures check(s) failed (screenshots in $work)"
    exit 1
  fi
  echo "e2e-$suite.$language: all checks passed"
}

#!/bin/bash
# End-to-end tests of the game window on a 1920 by 1080 virtual display
# with a window manager (openbox): what the player sees of the 640 by 480
# frame.
#
# usage: window_e2e.sh SCENARIO BRIMVALE FRAME_CHECK X11_WINDOWS DATA_DIR
#   scaled      the window opens at scale 2 (1280 by 960), centred, and its
#               pixels are the frame from the screenshot hook scaled by 2
#   fullscreen  Alt+Enter: 1920 by 1080, the frame scaled 2 and centred on
#               black; F11 back to the window, and so it is saved
#   classic     "window = classic" in brimvale.ini: the old 640 by 480
#               window without a frame, centred
#   damaged-ini a brimvale.ini of binary bytes: the defaults (scale 2), a
#               line on stderr saying so, and the file mended at the close
set -u

SCENARIO=$1
GAME=$2
CHECK=$3
WINDOWS=$4
DATA=$5

. "$(dirname "$0")/../support/xvfb.sh"
xvfb_require Xvfb xdotool openbox

WORK=$(mktemp -d)
GAME_PID=""
cleanup() {
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
  [ -n "${BV_KEEP_WORK:-}" ] || rm -rf "$WORK"
}
xvfb_at_exit cleanup

fail() {
  echo "FAIL [$SCENARIO]: $*"
  echo "--- last state"
  grep '^s' "$WORK/out" 2>/dev/null | tail -n 2
  echo "--- program errors"
  head -n 20 "$WORK/err" 2>/dev/null
  exit 1
}

game_alive() { kill -0 "$GAME_PID" 2>/dev/null; }
has_line() { grep -q -- "$1" "$WORK/out" 2>/dev/null; }

STATE=""
SCREEN=""
state() {
  local n i
  n=$(grep -c '^screen ' "$WORK/out")
  game_alive || return 1
  kill -USR2 "$GAME_PID"
  for i in $(seq 200); do
    if [ "$(grep -c '^screen ' "$WORK/out")" -gt "$n" ]; then
      STATE=$(grep '^state ' "$WORK/out" | tail -n 1)
      SCREEN=$(grep '^screen ' "$WORK/out" | tail -n 1)
      return 0
    fi
    sleep 0.005
  done
  return 1
}
field() { echo "$STATE $SCREEN" | tr ' ' '\n' | sed -n "s/^$1=//p"; }
screen_is() {
  state || return 1
  while [ $# -ge 2 ]; do
    [ "$(field "$1")" = "$2" ] || return 1
    shift 2
  done
}

SHOTS=0
SHOT=""
screenshot() {
  local want=$((SHOTS + 1))
  kill -USR1 "$GAME_PID"
  wait_for 50 has_line "^screenshot $want\$" || fail "no screenshot $want"
  SHOTS=$want
  SHOT="$WORK/shot-$want.png"
  cp "$WORK/shot.png" "$SHOT"
}

WID=""
geometry() { xdotool getwindowgeometry "$WID"; }
has_geometry() { geometry | grep -q "Geometry: $1"; }

start_game() {
  cp "$GAME" "$WORK/brimvale" || fail "cannot copy the game"
  ln -s "$DATA" "$WORK/data"
  xvfb_start 1920x1080 wm || fail "Xvfb did not start"
  (cd "$WORK" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy BRIMVALE_PROBE="$WORK/shot.png" \
    BRIMVALE_MESSAGE_BOXES=log exec ./brimvale >"$WORK/out" 2>"$WORK/err") &
  GAME_PID=$!
  wait_for 200 has_line '^started ' || fail "the game did not start"
  has_line '^started .*loaded=1 ' || fail "resources not loaded"
  WID=$(xvfb_wait_window 50 '^Brimvale$') || fail "no visible window captioned 'Brimvale'"
  xdotool windowfocus "$WID" 2>/dev/null
}

# Escape ends the intro, so the frame holds still but for the pulsing sprites.
skip_intro() {
  local i
  for i in $(seq 50); do
    state || fail "no state"
    [ "$(field transition)" -ge 0 ] && break
    xdotool key Escape
    sleep 0.1
  done
  wait_for 100 screen_is transition 900 || fail "the menu did not open"
}

# frame_shown SCALE: the window's pixels are the next frame scaled by SCALE
# and centred on black. A sprite may pulse between the two readings, so a
# few blocks may differ; none may be of two colours.
frame_shown() {
  local scale=$1 result blocks differ mixed bars i
  for i in 1 2 3 4 5; do
    screenshot
    result=$("$CHECK" "$WID" "$SHOT" "$scale") || fail "cannot read the window"
    echo "$result"
    set -- $result
    blocks=${6}
    differ=${8}
    mixed=${10}
    bars=${12}
    [ "$blocks" -eq 307200 ] || fail "the window does not hold the frame at scale $scale: $result"
    [ "$mixed" -eq 0 ] && [ "$bars" -eq 0 ] && [ "$differ" -le 3000 ] && return 0
    sleep 0.2
  done
  fail "the window is not the frame scaled by $scale: $result"
}

close_game() {
  kill -TERM "$GAME_PID"
  wait_for 100 eval '! game_alive' || fail "the game did not end"
  wait "$GAME_PID"
  local status=$?
  GAME_PID=""
  [ "$status" -eq 0 ] || fail "the game ended with $status"
}

scaled() {
  start_game
  wait_for 50 has_geometry 1280x960 || fail "not at scale 2: $(geometry)"
  geometry
  skip_intro
  screen_is window 1280x960 fullscreen 0 frame 0,0,1280x960 scale 2 || fail "screen: $SCREEN"
  frame_shown 2
  close_game
}

fullscreen() {
  start_game
  skip_intro
  xdotool key alt+Return
  wait_for 50 has_geometry 1920x1080 || fail "Alt+Enter gave no fullscreen: $(geometry)"
  wait_for 50 screen_is fullscreen 1 frame 320,60,1280x960 scale 2 || fail "screen: $SCREEN"
  frame_shown 2
  xdotool key F11
  wait_for 50 has_geometry 1280x960 || fail "F11 did not leave fullscreen: $(geometry)"
  wait_for 50 screen_is fullscreen 0 || fail "screen: $SCREEN"
  close_game
  grep -q '^fullscreen = no$' "$WORK/brimvale.ini" || fail "brimvale.ini: $(cat "$WORK/brimvale.ini")"
}

classic() {
  printf 'window = classic\n' >"$WORK/brimvale.ini"
  start_game
  wait_for 50 has_geometry 640x480 || fail "not the classic size: $(geometry)"
  geometry | grep -q 'Position: 640,300' || fail "not centred: $(geometry)"
  # No frame: the window manager's top-level window is the game's own size.
  "$WINDOWS" | grep -q ' 640x480+640+300 ' || fail "decorated: $("$WINDOWS")"
  skip_intro
  frame_shown 1
  close_game
  grep -q '^window = classic$' "$WORK/brimvale.ini" || fail "the choice was not kept"
}

damaged_ini() {
  printf 'window = classic\n\001\002\000\377' >"$WORK/brimvale.ini"
  start_game
  grep -q "brimvale.ini: not a text file; using the default screen settings" "$WORK/err" ||
    fail "no line on stderr: $(cat "$WORK/err")"
  wait_for 50 has_geometry 1280x960 || fail "not the default window: $(geometry)"
  close_game
  grep -q '^window = scaled$' "$WORK/brimvale.ini" || fail "not mended: $(cat "$WORK/brimvale.ini")"
  [ "$(stat -c %s "$WORK/config.dat")" -eq 44 ] || fail "config.dat is not 44 bytes"
}

case $SCENARIO in
  scaled) scaled ;;
  fullscreen) fullscreen ;;
  classic) classic ;;
  damaged-ini) damaged_ini ;;
  *) fail "unknown scenario" ;;
esac
echo "PASS [$SCENARIO]"

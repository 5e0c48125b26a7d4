#!/bin/bash
# brimvale-replay on a virtual X display: a golden replay opens in a window
# that shows where it is in its title, End plays it to its end with every
# hash matching, Escape quits with 0; a damaged file is refused with 2 and
# one line, and a replay of other level files says where it diverged.
#
# usage: replay_window_e2e.sh BRIMVALE_REPLAY REPLAY PROGRAM_DIR
set -u
TOOL=$1
REPLAY=$2
PROGRAM_DIR=$3

. "$(dirname "$0")/../support/xvfb.sh"
xvfb_require Xvfb xdotool

WORK=$(mktemp -d)
PID=""
cleanup() {
  [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null && wait "$PID" 2>/dev/null
  rm -rf "$WORK"
}
xvfb_at_exit cleanup
fail() {
  echo "FAIL: $*"
  echo "--- errors"
  head -n 20 "$WORK/err" 2>/dev/null
  exit 1
}

xvfb_start 1024x768 || fail "Xvfb did not start"
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy

WID=""
title() { xdotool getwindowname "$WID" 2>/dev/null; }
title_has() { title | grep -q -- "$1"; }

# Bad input first: no window, exit 2, one line naming the problem.
head -c 100 "$REPLAY" >"$WORK/cut.bvr"
"$TOOL" "$WORK/cut.bvr" --program-dir "$PROGRAM_DIR" >/dev/null 2>"$WORK/err"
[ $? -eq 2 ] || fail "a cut replay did not exit 2"
[ "$(wc -l <"$WORK/err")" -eq 1 ] || fail "a cut replay: not one line"

"$TOOL" "$REPLAY" --program-dir "$PROGRAM_DIR" >"$WORK/out" 2>"$WORK/err" &
PID=$!
WID=$(xvfb_wait_window 100 '^Brimvale replay') || fail "no window"
wait_for 50 title_has ' x1' || fail "title without the speed: $(title)"
xdotool windowfocus "$WID" 2>/dev/null
xdotool key --window "$WID" space
wait_for 50 title_has paused || fail "Space did not pause: $(title)"
xdotool key --window "$WID" plus plus
wait_for 50 title_has ' x4' || fail "+ did not speed up: $(title)"
xdotool type --window "$WID" 500
xdotool key --window "$WID" Return
wait_for 50 title_has 'step 500/' || fail "did not jump to step 500: $(title)"
xdotool key --window "$WID" period
wait_for 50 title_has 'step 501/' || fail ". did not step: $(title)"
xdotool key --window "$WID" End
wait_for 100 title_has ' end' || fail "End did not play to the end: $(title)"
title_has diverged && fail "diverged: $(title)"
echo "figure: $(title)"
xdotool key --window "$WID" Escape
wait_for 50 eval '! kill -0 $PID 2>/dev/null' || fail "Escape did not quit"
wait "$PID"
status=$?
PID=""
[ "$status" -eq 0 ] || fail "exit $status"
echo "PASS: watched, paused, sped up, jumped, stepped and played to its end"

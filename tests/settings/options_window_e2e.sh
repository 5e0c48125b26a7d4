#!/bin/bash
# End-to-end check of the real options window on a virtual X display: open
# it, take a screenshot, move the panel bar and bind a key with the mouse and
# the keyboard, close it with its "Zamknij" button and see the change reach
# the world; open it again and close it the way a window manager does; close
# the main window and see config.dat. Then read-only, as a network game's
# guest: the "Sieć" page works, nothing else changes, brimvale.ini keeps it.
#
# usage: options_window_e2e.sh BRIMVALE_OPTIONS X11_CLOSE_WINDOW [SCREENSHOT_COPY]
# Every wait is on a state the program reports, with a bounded number of tries.
set -u

HOST=$1
CLOSER=$2
KEEP=${3:-${BV_KEEP_SCREENSHOT:-}}

. "$(dirname "$0")/../support/xvfb.sh"
xvfb_require Xvfb xdotool od

WORK=$(mktemp -d)
HOST_PID=""
cleanup() {
  [ -n "$HOST_PID" ] && kill "$HOST_PID" 2>/dev/null && wait "$HOST_PID" 2>/dev/null
  rm -rf "$WORK"
}
xvfb_at_exit cleanup

fail() {
  echo "FAIL: $*"
  echo "--- program output"
  cat "$WORK/out" 2>/dev/null
  echo "--- program errors"
  cat "$WORK/err" 2>/dev/null
  exit 1
}

has_line() { grep -q -- "$1" "$WORK/out" 2>/dev/null; }
host_alive() { kill -0 "$HOST_PID" 2>/dev/null; }

# Asks for the controls until the wanted text shows in a fresh state line.
wait_state() {
  local want=$1 i
  for i in $(seq 50); do
    host_alive || return 1
    kill -USR2 "$HOST_PID"
    sleep 0.2
    if grep '^state ' "$WORK/out" | tail -n 1 | grep -q -- "$want"; then return 0; fi
  done
  return 1
}

# A scratch program folder with a campaign and a custom level.
mkdir -p "$WORK/data/levels/campaign/kampania" "$WORK/data/levels/custom"
: >"$WORK/data/levels/custom/arena.dmp"

xvfb_start 1024x768 || fail "Xvfb did not start: $(cat "$XVFB_LOG")"

SDL_VIDEODRIVER=x11 "$HOST" --dir "$WORK" --screenshot "$WORK/shot.png" \
  --no-message-box >"$WORK/out" 2>"$WORK/err" &
HOST_PID=$!

wait_for 100 has_line '^shown$' || fail "the options window was not shown"
has_line '^mirror hud_alpha=102 ' || fail "the first mirror did not hold the defaults"

WID=$(xvfb_wait_window 100 '^Brimvale - opcje gry$') ||
  fail "no visible window captioned 'Brimvale - opcje gry'"

geometry=$(xdotool getwindowgeometry "$WID")
echo "$geometry" | grep -q 'Geometry: 778x428' || fail "window geometry: $geometry"

# The screenshot comes from a drawn frame, so it also shows the window is painted.
kill -USR1 "$HOST_PID"
wait_for 100 has_line '^screenshot ' || fail "no screenshot"
[ -s "$WORK/shot.png" ] || fail "empty screenshot"
if [ -n "$KEEP" ]; then cp "$WORK/shot.png" "$KEEP"; fi

# Controls by their place in the window (the program prints the layout).
box() { grep "^layout $1 " "$WORK/out" | cut -d' ' -f3-; }
read -r bx by bw bh <<<"$(box hud_trans_bar)"
[ -n "$bh" ] || fail "no layout for hud_trans_bar"

# The far right end of the panel bar is its maximum, 230.
xdotool mousemove --window "$WID" $((bx + bw - 2)) $((by + bh / 2)) click 1
wait_state 'hud_trans_bar=230 ' || fail "the panel bar did not move to 230"
# Moved but not closed: the world still has the old value.
grep '^state ' "$WORK/out" | tail -n 1 | grep -q 'hud_alpha=102 ' ||
  fail "the world changed before the window closed"

# Click player 1's "up" key edit, then press W (17) in the window.
read -r kx ky kw kh <<<"$(box c1_up)"
xdotool mousemove --window "$WID" $((kx + kw / 2)) $((ky + kh / 2)) click 1
wait_state 'focused_key=0 ' || fail "the key edit did not take the focus"
xdotool windowfocus "$WID" 2>/dev/null
# Held until captured: capture reads the keys held when the press arrives,
# and a busy machine may deliver press and release together.
xdotool keydown w
wait_state 'keys=17,' || fail "the key edit did not capture W"
xdotool keyup w

# The window's own close button.
read -r cx cy cw ch <<<"$(box close_button)"
[ -n "$ch" ] || fail "no layout for close_button"
xdotool mousemove --window "$WID" $((cx + cw / 2)) $((cy + ch / 2)) click 1
wait_for 100 has_line '^closed$' || fail "the close button did not close the window"
lines() { [ "$(grep -c "^$1\$" "$WORK/out")" -ge "$2" ]; }

# O in the stand-in main window opens it again (as the menu's options pad
# does); the window manager's close closes it too.
MAIN=$(xvfb_window '^Brimvale$') || fail "no stand-in main window"
xdotool windowfocus "$MAIN" 2>/dev/null
xdotool key --window "$MAIN" o
wait_for 100 lines shown 2 || fail "O did not open the options window again"
WID=$(xvfb_wait_window 100 '^Brimvale - opcje gry$') ||
  fail "the options window is not on the screen again"
"$CLOSER" "$WID" || fail "cannot send the close request"
wait_for 100 lines closed 2 || fail "the window manager's close did not close the window"

"$CLOSER" "$MAIN" || fail "cannot close the main window"
wait_for 100 has_line '^saved$' || fail "the program did not save when its main window closed"
wait "$HOST_PID"
status=$?
HOST_PID=""
[ "$status" -eq 0 ] || fail "the program ended with $status"

mirror=$(grep '^mirror ' "$WORK/out" | tail -n 1)
echo "$mirror" | grep -q 'hud_alpha=230 ' || fail "hud_alpha not mirrored: $mirror"
echo "$mirror" | grep -q 'key_codes=17,' || fail "key not mirrored: $mirror"

byte() { od -An -tu1 -j "$1" -N1 "$WORK/config.dat" | tr -d ' '; }
[ "$(stat -c %s "$WORK/config.dat")" -eq 44 ] || fail "config.dat is not 44 bytes"
[ "$(byte 0)" = 230 ] || fail "config.dat byte 0 is $(byte 0), not 230"
[ "$(byte 30)" = 17 ] || fail "config.dat byte 30 is $(byte 30), not 17"
[ "$(byte 1)" = 153 ] || fail "config.dat byte 1 is $(byte 1), not 153"

# Again as a network game's guest sees it: read-only, with the "Sieć" page in
# front. The page still takes the address and port and makes its request,
# the classic controls change nothing, and brimvale.ini keeps the choice.
SDL_VIDEODRIVER=x11 "$HOST" --dir "$WORK" --read-only --no-message-box >"$WORK/out" 2>"$WORK/err" &
HOST_PID=$!
wait_for 100 has_line '^shown$' || fail "the read-only window was not shown"
WID=$(xvfb_wait_window 100 '^Brimvale - opcje gry$') || fail "no visible read-only window"
click() {
  local x y w h
  read -r x y w h <<<"$(box "$1")"
  [ -n "$h" ] || fail "no layout for $1"
  xdotool mousemove --window "$WID" $((x + ${2:-w / 2})) $((y + h / 2)) click 1
}
click hud_trans_bar 2  # its far left end, the minimum: refused
click net_join 8
wait_state 'net_role=join ' || fail "the join radio did not take the click"
xdotool windowfocus "$WID" 2>/dev/null
click net_address
wait_state 'editing_text=1 ' || fail "the address field did not take the keyboard"
xdotool type --delay 30 '127.0.0.1 x:'
wait_state 'net_address=127.0.0.1x$' || fail "the address field did not take (only) the address"
# Escape leaves the field first (the window stays open).
xdotool key Escape
wait_state 'visible=1 .*editing_text=0 ' || fail "Escape did not just leave the address field"
click net_port 'w - 4'  # the caret after the last digit
wait_state 'editing_text=1 ' || fail "the port field did not take the keyboard"
# Held, so that it repeats until the field is empty: the toolkit reads keys
# other than letters once a frame, and a quick tap may fall between two.
xdotool keydown BackSpace
sleep 1.5
xdotool keyup BackSpace
xdotool type --delay 30 '27a000'
wait_state 'net_port=27000 ' || fail "the port field did not take the digits"
click net_start
wait_for 100 has_line '^net-request join 127.0.0.1x 27000$' || fail "the page made no join request"
# Connecting now (as the program plays it): "Rozłącz" is the one button left.
click net_leave
wait_for 100 has_line '^net-request leave$' || fail "the page made no leave request"
wait_state 'hud_trans_bar=230 .*read_only=1 ' || fail "a read-only control changed"
"$CLOSER" "$WID" || fail "cannot send the close request"
wait_for 100 has_line '^closed$' || fail "the read-only window did not close"
MAIN=$(xvfb_window '^Brimvale$') || fail "no stand-in main window in the read-only run"
"$CLOSER" "$MAIN" || fail "cannot close the main window"
wait_for 100 has_line '^saved$' || fail "the read-only run did not save"
wait "$HOST_PID"
status=$?
HOST_PID=""
[ "$status" -eq 0 ] || fail "the read-only run ended with $status"
[ "$(byte 0)" = 230 ] || fail "a read-only run changed config.dat byte 0 to $(byte 0)"
for want in 'net_role = join' 'net_port = 27000' 'net_address = 127.0.0.1x'; do
  grep -qx -- "$want" "$WORK/brimvale.ini" || fail "brimvale.ini lacks '$want': $(cat "$WORK/brimvale.ini")"
done

echo "PASS: options window opened, changed, closed and mirrored; read-only as a guest's"

#!/bin/bash
# The installed game as a player runs it: `cmake --install` into a scratch
# DESTDIR with the prefix /usr, the game started from another folder on a
# virtual display with HOME and the XDG folders in a scratch home, its
# window closed as a window manager closes it. The settings must land in the
# scratch home's config folder (config.dat, 44 bytes), the run's replay in
# its data folder, and nothing may be written into the installed tree or the
# folder it was started from.
#
# usage: installed_game_e2e.sh CMAKE BUILD_DIR X11_CLOSE_WINDOW
set -u

CMAKE=$1
BUILD=$2
CLOSER=$3

. "$(dirname "$0")/../support/xvfb.sh"
xvfb_require Xvfb xdotool od

WORK=$(mktemp -d)
GAME_PID=""
stop_game() {
  if [ -n "$GAME_PID" ]; then
    kill -9 "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
  fi
  [ -n "${BV_KEEP_WORK:-}" ] || rm -rf "$WORK"
}
xvfb_at_exit stop_game

fail() {
  echo "FAIL: $*"
  echo "--- program output"
  head -n 20 "$WORK/out" 2>/dev/null
  echo "--- program errors"
  head -n 40 "$WORK/err" 2>/dev/null
  exit 1
}

ROOT="$WORK/root"
DESTDIR="$ROOT" "$CMAKE" --install "$BUILD" --prefix /usr >"$WORK/install.log" 2>&1 ||
  fail "cmake --install failed: $(tail -n 5 "$WORK/install.log")"
GAME="$ROOT/usr/bin/brimvale"
[ -x "$GAME" ] || fail "no usr/bin/brimvale in the installed tree"
[ -f "$ROOT/usr/share/brimvale/data/levels/campaign/0.dmp" ] || fail "no data in usr/share/brimvale"

# Every file and folder of the installed tree, with size and time.
tree_state() { (cd "$ROOT" && find . -printf '%p %y %s %T@ %m\n' | sort); }
tree_state >"$WORK/tree-before"

HOME_DIR="$WORK/home"
ELSEWHERE="$WORK/elsewhere"
mkdir -p "$HOME_DIR" "$ELSEWHERE" "$WORK/runtime"
chmod 700 "$WORK/runtime"

xvfb_start 1024x768 || fail "Xvfb did not start: $(cat "$XVFB_LOG")"
(cd "$ELSEWHERE" && exec env HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/config" \
  XDG_DATA_HOME="$HOME_DIR/data" XDG_CACHE_HOME="$HOME_DIR/cache" \
  XDG_STATE_HOME="$HOME_DIR/state" XDG_RUNTIME_DIR="$WORK/runtime" \
  SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy BRIMVALE_PROBE="$WORK/shot.png" \
  BRIMVALE_MESSAGE_BOXES=log "$GAME" >"$WORK/out" 2>"$WORK/err") &
GAME_PID=$!

has_line() { grep -q -- "$1" "$WORK/out" 2>/dev/null; }
game_alive() { kill -0 "$GAME_PID" 2>/dev/null; }
wait_for 300 has_line '^started ' || fail "the installed game did not start"
has_line '^started .*loaded=1 ' || fail "the installed game did not load its data: $(grep '^started' "$WORK/out")"
WID=$(xvfb_wait_window 100 '^Brimvale$') || fail "no visible window captioned 'Brimvale'"

"$CLOSER" "$WID" || fail "cannot send the close request"
wait_for 150 eval '! game_alive' || fail "the game did not end when its window was closed"
wait "$GAME_PID"
status=$?
GAME_PID=""
[ "$status" -eq 0 ] || fail "the game ended with $status"

CONFIG="$HOME_DIR/config/brimvale/config.dat"
[ -f "$CONFIG" ] || fail "no config.dat in the scratch config folder: $(cd "$HOME_DIR" && find . | head -n 20)"
[ "$(stat -c %s "$CONFIG")" -eq 44 ] || fail "config.dat is $(stat -c %s "$CONFIG") bytes, not 44"
# The defaults: HUD transparency 102, difficulty 3, player 1 up = 200.
byte() { od -An -tu1 -j "$1" -N1 "$CONFIG" | tr -d ' '; }
[ "$(byte 0)" = 102 ] && [ "$(byte 16)" = 3 ] && [ "$(byte 30)" = 200 ] ||
  fail "config.dat does not hold the default settings"
replays=$(find "$HOME_DIR/data/brimvale/replays" -name '*.bvr' 2>/dev/null | wc -l)
[ "$replays" -eq 1 ] || fail "$replays replays in the scratch data folder, not 1"

tree_state >"$WORK/tree-after"
diff "$WORK/tree-before" "$WORK/tree-after" >"$WORK/tree-diff" ||
  fail "the game wrote into the installed tree: $(head -n 10 "$WORK/tree-diff")"
[ -z "$(ls -A "$ELSEWHERE")" ] || fail "the game wrote into the folder it ran from: $(ls -A "$ELSEWHERE")"
echo "PASS: the installed game reads usr/share/brimvale, saves config.dat (44 bytes) under \$XDG_CONFIG_HOME/brimvale and its replay under \$XDG_DATA_HOME/brimvale, and writes nothing else"

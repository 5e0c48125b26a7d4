#!/bin/bash
# A network game between two game windows on one virtual X display, over the
# loopback address:
#   1. a host (--host, Deathmatch) and a guest (--join) connect and play
#      level 1 split screen; each window moves its own player with key
#      presses sent to it alone; Escape in the guest's window takes both back
#      to the menu level; the two replays of the network game play back
#      headless to the same world hash at the same step; while the guest is
#      stopped the host waits, with its notice over the frame;
#   2. the host waits for the next guest; a new guest joins, and closing the
#      host's window takes the guest back to the menu level with a message.
#
# usage: net_e2e.sh BRIMVALE X11_CLOSE_WINDOW DATA_DIR SIM PNG_PROBE
#
# Every wait is on a state the programs report (BRIMVALE_PROBE's state
# lines) with a bounded number of tries, never on a fixed time: the machine
# may be loaded. BV_KEEP_WORK=1 keeps the scratch folder.
set -u

GAME=$1
CLOSER=$2
DATA=$(cd "$3" && pwd)
SIM=$4
PROBE=$5

. "$(dirname "$0")/../support/xvfb.sh"
xvfb_require Xvfb xdotool

WORK=$(mktemp -d)
declare -A PID OUT WID
HELD=""
stop_all() {
  local side k
  for k in $HELD; do xdotool keyup "$k" 2>/dev/null; done
  for side in "${!PID[@]}"; do
    [ -n "${PID[$side]}" ] && kill -9 "${PID[$side]}" 2>/dev/null && wait "${PID[$side]}" 2>/dev/null
  done
  [ -n "${BV_KEEP_WORK:-}" ] || rm -rf "$WORK"
}
xvfb_at_exit stop_all

fail() {
  local side
  echo "FAIL: $*"
  for side in "${!OUT[@]}"; do
    echo "--- $side: last state"
    grep '^state ' "${OUT[$side]}" 2>/dev/null | tail -n 1
    echo "--- $side: errors"
    head -n 20 "${OUT[$side]}.err" 2>/dev/null
  done
  exit 1
}

# A program folder of its own for each side: a copy of the game and links
# to the data, so each keeps its own config.dat and replays/.
make_program_dir() {
  local dir=$WORK/$1 entry
  mkdir -p "$dir/data"
  cp "$GAME" "$dir/brimvale" || fail "cannot copy the game"
  for entry in "$DATA"/*; do ln -s "$entry" "$dir/data/"; done
}

# start SIDE ARGS...: the game in SIDE's folder; its output in OUT[SIDE].
start() {
  local side=$1
  shift
  OUT[$side]=$WORK/$side.out
  : >"${OUT[$side]}"
  (cd "$WORK/${side%%[0-9]*}" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
    BRIMVALE_PROBE="$WORK/$side.png" BRIMVALE_MESSAGE_BOXES=log \
    exec ./brimvale "$@" >"${OUT[$side]}" 2>"${OUT[$side]}.err") &
  PID[$side]=$!
}

alive() { kill -0 "${PID[$1]}" 2>/dev/null; }

STATE=""
# state SIDE: asks SIDE for a state line and waits for it.
state() {
  local side=$1 n i
  alive "$side" || return 1
  # Its signal handlers are in once it has said it started.
  grep -q '^started ' "${OUT[$side]}" || return 1
  n=$(grep -c '^state ' "${OUT[$side]}")
  kill -USR2 "${PID[$side]}"
  for i in $(seq 200); do
    if [ "$(grep -c '^state ' "${OUT[$side]}")" -gt "$n" ]; then
      STATE=$(grep '^state ' "${OUT[$side]}" | tail -n 1)
      return 0
    fi
    sleep 0.005
  done
  return 1
}
field() { echo "$STATE" | tr ' ' '\n' | sed -n "s/^$1=//p"; }
# state_is SIDE NAME VALUE...: every named field has its value.
state_is() {
  local side=$1
  shift
  state "$side" || return 1
  while [ $# -ge 2 ]; do
    [ "$(field "$1")" = "$2" ] || return 1
    shift 2
  done
}
# Player N's x, whole pixels, as SIDE shows it.
px() { state "$1" && field "p$2" | cut -d, -f1 | cut -d. -f1; }

find_window() {
  WID[$1]=$(xdotool search --all --onlyvisible --pid "${PID[$1]}" --name '^Brimvale$' 2>/dev/null | head -n 1)
  [ -n "${WID[$1]}" ]
}
focused_on() { state "$1" && [ "$(field focus)" = game ]; }
focus() {
  local i
  for i in 1 2 3 4 5; do
    xdotool windowactivate "${WID[$1]}" 2>/dev/null
    xdotool windowfocus "${WID[$1]}" 2>/dev/null
    wait_for 20 focused_on "$1" && return 0
  done
  fail "$1's window does not take the focus"
}
# walk SIDE PLAYER KEY...: holds each KEY in turn in SIDE's window until
# player PLAYER's x or y, as SIDE shows it, has changed by 30 pixels (a wall
# may stand in the way of one direction, not of all).
moved() {
  local now
  state "$1" || return 1
  now=$(field "p$2")
  [ "$now" != "$3" ] && awk -v a="$3" -v b="$now" 'BEGIN {
    split(a, p, ","); split(b, q, ","); dx = p[1] - q[1]; dy = p[2] - q[2];
    exit !(dx * dx + dy * dy >= 900) }'
}
walk() {
  local side=$1 player=$2 key from
  shift 2
  focus "$side"
  for key in "$@"; do
    state "$side" || fail "no state from $side"
    from=$(field "p$player")
    xdotool keydown "$key"
    HELD="$HELD $key"
    wait_for 100 moved "$side" "$player" "$from"
    local ok=$?
    xdotool keyup "$key"
    HELD=${HELD// $key/}
    if [ $ok -eq 0 ]; then
      echo "$side: player $player walked with $key from $from to $(field "p$player")"
      return 0
    fi
  done
  fail "$side's keys did not move player $player"
}

SHOTS=0
# screenshot SIDE: the next frame SIDE draws, into $SHOT.
screenshot() {
  local side=$1 want
  want=$(($(grep -c '^screenshot ' "${OUT[$side]}") + 1))
  kill -USR1 "${PID[$side]}"
  wait_for 50 grep -q "^screenshot $want\$" "${OUT[$side]}" || fail "no screenshot from $side"
  SHOTS=$((SHOTS + 1))
  SHOT=$WORK/shot-$SHOTS.png
  cp "$WORK/$side.png" "$SHOT"
}
pixel() { "$PROBE" "$SHOT" pixel "$1" "$2"; }

playing() { state_is "$1" net playing level 1 transition 900 || state_is "$1" net waiting level 1; }
both_playing() { playing host && playing "$1"; }
back_on_menu() { state_is "$1" net "$2" level 0 transition 900; }

make_program_dir host
make_program_dir guest
xvfb_start 1024x768 wm || fail "Xvfb did not start: $(cat "$XVFB_LOG")"

# A port of our own; another test may hold one, so try a few.
for try in 1 2 3; do
  PORT=$((20000 + (RANDOM % 30000)))
  start host --host "$PORT" --mode deathmatch --custom-level Magazyn
  wait_for 300 state_is host net connecting && break
  grep -q 'no network game' "${OUT[host]}.err" 2>/dev/null || fail "the host did not start"
  kill -9 "${PID[host]}"; wait "${PID[host]}" 2>/dev/null
done
state_is host net connecting || fail "no port to host on"
START_MS=$(($(date +%s%N) / 1000000))
start guest1 --join "127.0.0.1:$PORT"
wait_for 600 both_playing guest1 || fail "the two did not start playing"
echo "figure: connected and level 1 open in $(($(date +%s%N) / 1000000 - START_MS)) ms"
wait_for 50 find_window host || fail "no host window"
wait_for 50 find_window guest1 || fail "no guest window"
[ "${WID[host]}" != "${WID[guest1]}" ] || fail "one window for both: ${WID[host]}"

# --- 1. play, then Escape on the guest's side ---------------------------------
# The host plays player 1 with its keys; the guest plays player 2 with the
# first key set (either set plays its own player). Each side sees both moves.
walk host 1 Right Left Up Down
walk guest1 2 Left Right Down Up
walk host 1 Left Right Down Up
walk guest1 2 Right Left Up Down
state host
host_p2=$(field p2)
wait_for 100 state_is guest1 p2 "$host_p2" || echo "note: the guest shows player 2 elsewhere than the host (still rolling)"

# The guest stops for a moment: the host runs on 8 steps, then waits with
# "Czekam na drugiego gracza..." in a band under the centre (its yellow
# border at full strength); the frame under it is the game's own.
focus host
kill -STOP "${PID[guest1]}"
wait_for 30 state_is host net waiting || { kill -CONT "${PID[guest1]}"; fail "the host did not wait"; }
screenshot host
kill -CONT "${PID[guest1]}"
[ "$(pixel 170 265)" = "255 255 0" ] && [ "$(pixel 469 294)" = "255 255 0" ] ||
  fail "no waiting notice on the host: $(pixel 170 265) / $(pixel 469 294)"
wait_for 100 state_is host net playing || fail "the host did not play on"

focus guest1
xdotool keydown Escape
HELD="$HELD Escape"
wait_for 300 state_is guest1 level 0 || fail "Escape did not end the network game"
xdotool keyup Escape
HELD=${HELD// Escape/}
wait_for 300 back_on_menu guest1 none || fail "the guest is not back on the menu level"
# The host hosts again once its game is over.
wait_for 300 back_on_menu host connecting || fail "the host is not back on the menu level"

host_replay=$(field net_replay)
state guest1
guest_replay=$(field net_replay)
[ -f "$host_replay" ] && [ -f "$guest_replay" ] || fail "no network replays: $host_replay $guest_replay"
"$SIM" --replay "$host_replay" --check --program-dir "$WORK/host" >"$WORK/host.json" 2>"$WORK/host.sim.err" ||
  fail "the host's replay did not play back: $(cat "$WORK/host.sim.err")"
"$SIM" --replay "$guest_replay" --check --program-dir "$WORK/guest" >"$WORK/guest.json" 2>"$WORK/guest.sim.err" ||
  fail "the guest's replay did not play back: $(cat "$WORK/guest.sim.err")"
hash_of() { grep -o '"world_hash":"[0-9a-f]*"' "$1" | tail -n 1; }
ticks_of() { grep -o '"ticks":[0-9]*' "$1" | head -n 1; }
[ -n "$(hash_of "$WORK/host.json")" ] || fail "no world hash from the host's replay"
[ "$(hash_of "$WORK/host.json")" = "$(hash_of "$WORK/guest.json")" ] ||
  fail "the two sides ended in different worlds: $(hash_of "$WORK/host.json") $(hash_of "$WORK/guest.json")"
[ "$(ticks_of "$WORK/host.json")" = "$(ticks_of "$WORK/guest.json")" ] || fail "different lengths"
echo "figure: network game of $(ticks_of "$WORK/host.json" | cut -d: -f2) steps, both ended in $(hash_of "$WORK/host.json" | cut -d'"' -f4)"

# --- 2. a new guest; the host's window closes -------------------------------------
"$CLOSER" "${WID[guest1]}" || fail "cannot close the first guest"
wait_for 100 eval '! alive guest1' || fail "the first guest did not end"
start guest2 --join "127.0.0.1:$PORT"
wait_for 600 both_playing guest2 || fail "the second guest did not start playing"
"$CLOSER" "${WID[host]}" || fail "cannot close the host"
wait_for 100 eval '! alive host' || fail "the host did not end"
wait "${PID[host]}"
status=$?
PID[host]=""
[ "$status" -eq 0 ] || fail "the host ended with $status"
# The guest hears the goodbye: the shutters close, the menu level opens,
# with the message in the centre band.
wait_for 300 back_on_menu guest2 none || fail "the guest did not return to the menu level"
[ "$(field overlay)" -gt 0 ] || fail "no message on the guest's return: $STATE"
echo "PASS"

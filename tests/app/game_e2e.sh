#!/bin/bash
# End-to-end tests of the game itself on a virtual X display: the real
# program, the generated data, the keyboard through xdotool, pixels from the
# game's own screenshots.
#
# usage: game_e2e.sh SCENARIO BRIMVALE X11_CLOSE_WINDOW PNG_PROBE X11_WINDOWS DATA_DIR SIM
#   one-player       intro skipped, menu drawn, walk onto the one-player pad,
#                    the HUD after the shutters, play, Escape back to the
#                    menu, close the window: config.dat written (44 bytes),
#                    and the run's replay plays back headless to its hash
#   two-players      walk onto the two-player pad: split screen and divider
#   missing-object   no object image 48: the error box, then exit code 1
#   missing-sample   no menusnd.wav: the game runs, that sound is silent
#   options-and-exit the options pad opens the options window over the
#                    running game; Escape closes it, the game goes on and the
#                    player does not walk on; the exit pad ends the program,
#                    which saves config.dat; the replay plays back headless
#   focus-change     a key held while the game window loses the focus and
#                    released elsewhere: the player stops, and stays put
#                    when the focus comes back
#
# The program runs from a scratch folder (a copy of it beside links to the
# data), so config.dat never lands in the build folder. Test hooks:
# BRIMVALE_PROBE (SIGUSR1 screenshot, SIGUSR2 state line) and
# BRIMVALE_MESSAGE_BOXES (boxes written to stderr). Every wait is on a state
# the program reports (ticks run, positions, focus), with a bounded number of
# tries; no key is held for a fixed time, since a loaded machine may run no
# tick in it. BV_KEEP_WORK=1 keeps the scratch folder (output, screenshots)
# for a look afterwards.
set -u

SCENARIO=$1
GAME=$2
CLOSER=$3
PROBE=$4
WINDOWS=$5
DATA=$6
SIM=${7:-}
KEEP=${BV_KEEP_SCREENSHOT:-}

. "$(dirname "$0")/../support/xvfb.sh"
xvfb_require Xvfb xdotool od

WORK=$(mktemp -d)
GAME_PID=""
HELD_KEYS=""
cleanup() {
  for k in $HELD_KEYS; do xdotool keyup "$k" 2>/dev/null; done
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
  [ -n "${BV_KEEP_WORK:-}" ] || rm -rf "$WORK"
}
xvfb_at_exit cleanup

fail() {
  echo "FAIL [$SCENARIO]: $*"
  echo "--- last state"
  grep '^state ' "$WORK/out" 2>/dev/null | tail -n 1
  echo "--- program output (first lines)"
  grep -v '^state ' "$WORK/out" 2>/dev/null | head -n 20
  echo "--- program errors"
  head -n 40 "$WORK/err" 2>/dev/null
  exit 1
}

game_alive() { kill -0 "$GAME_PID" 2>/dev/null; }
has_line() { grep -q -- "$1" "$WORK/out" 2>/dev/null; }
has_error_line() { grep -q -- "$1" "$WORK/err" 2>/dev/null; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# --- the program's reports ---------------------------------------------------

STATE=""
# Asks for a state line and waits for it (the count is taken before asking,
# so a fast answer is not missed).
state() {
  local n i
  n=$(grep -c '^state ' "$WORK/out")
  game_alive || return 1
  kill -USR2 "$GAME_PID"
  for i in $(seq 200); do
    if [ "$(grep -c '^state ' "$WORK/out")" -gt "$n" ]; then
      STATE=$(grep '^state ' "$WORK/out" | tail -n 1)
      return 0
    fi
    sleep 0.005
  done
  return 1
}
# field NAME: from the last state line.
field() { echo "$STATE" | tr ' ' '\n' | sed -n "s/^$1=//p"; }
p1x() { field p1 | cut -d, -f1 | cut -d. -f1; }
p1y() { field p1 | cut -d, -f2 | cut -d. -f1; }

# state_is NAME VALUE...: every named field has its value.
state_is() {
  state || return 1
  while [ $# -ge 2 ]; do
    [ "$(field "$1")" = "$2" ] || return 1
    shift 2
  done
}

SHOTS=0
SHOT=""
# Takes a screenshot of the next frame drawn into $WORK/shot-N.png.
screenshot() {
  local want=$((SHOTS + 1))
  game_alive || fail "the game ended"
  kill -USR1 "$GAME_PID"
  wait_for 50 has_line "^screenshot $want\$" || fail "no screenshot $want"
  SHOTS=$want
  SHOT="$WORK/shot-$want.png"
  cp "$WORK/shot.png" "$SHOT"
}
probe() { "$PROBE" "$SHOT" "$@"; }

# --- keyboard ------------------------------------------------------------------

WID=""
focus_game() { xdotool windowfocus "$WID" 2>/dev/null; }
key_down() {
  xdotool keydown "$1"
  HELD_KEYS="$HELD_KEYS $1"
}
key_up() {
  xdotool keyup "$1"
  HELD_KEYS=${HELD_KEYS// $1/}
}
# press_until KEY TRIES CONDITION...: holds KEY until the program reports
# CONDITION, so that no tick can miss it.
press_until() {
  local key=$1 tries=$2 status
  shift 2
  key_down "$key"
  wait_for "$tries" "$@"
  status=$?
  key_up "$key"
  return $status
}

# ticks_past N: the game has run more than N ticks.
ticks_past() { state && [ "$(field ticks)" -gt "$1" ]; }

# stays_put TICKS: player 1 does not move while the game runs TICKS ticks.
stays_put() {
  local at ticks
  state || return 1
  at=$(field p1)
  ticks=$(field ticks)
  wait_for 100 ticks_past $((ticks + $1)) || return 1
  [ "$(field p1)" = "$at" ] || {
    echo "player 1 moved from $at to $(field p1) in $(($(field ticks) - ticks)) ticks"
    return 1
  }
}

# The player has stopped: 20 ticks at one place while a key is held, so a
# wall stops it (a key is read by the tick after the state that saw it).
STILL_FOR=20

# walk KEY... AXIS OP TARGET: holds the keys until player 1's x or y
# satisfies OP TARGET (-le or -ge), a wall stops it, or DONE (a command,
# "false" when unset) holds. Prints where it ended.
DONE=false
walk() {
  local n=$(($# - 3)) keys axis op target v last="" since=0 i k
  keys=("${@:1:n}")
  axis=${*:n+1:1}
  op=${*:n+2:1}
  target=${*:n+3:1}
  for k in "${keys[@]}"; do key_down "$k"; done
  for i in $(seq 600); do
    state || break
    $DONE && break
    if [ "$axis" = x ]; then v=$(p1x); else v=$(p1y); fi
    [ "$v" "$op" "$target" ] && break
    if [ "$v" = "$last" ]; then
      [ $(($(field ticks) - since)) -ge $STILL_FOR ] && break
    else
      since=$(field ticks)
    fi
    last=$v
  done
  for k in "${keys[@]}"; do key_up "$k"; done
  state
  echo "walked ${keys[*]} to $(field p1)"
}

# World x of the centre of a level column, y of a level row (cells are 50
# pixels; the level starts at grid column 7 and row 5).
column_centre() { echo $((($1 + 7) * 50 + 25)); }
row_centre() { echo $((($1 + 5) * 50 + 25)); }

# A pad's effect shows: the options opened, or a level change began.
left_the_hall() { [ "$(field options)" = 1 ] || [ "$(field transition)" != 900 ]; }

# From the menu's start (level cell 20, 26) to a pad at the back of an
# alcove in the hall's north wall (row 2). Every push ends against a wall or
# on the pad, so where the player stands after each one does not depend on
# how late a key was released (a loaded machine): the walk is the same on
# every run. North to the fountain; west or east to the pillar beside it;
# then straight up into the inner alcove (2 GRACZY, OPCJE) or diagonally
# across the hall into the outer one (1 GRACZ, WYJSCIE); in the alcove up and
# towards the pad's column slides along its walls into its narrow back, where
# the pad is. The hall is symmetric about the start's column.
walk_to_pad() {
  local column=$1 x side i
  x=$(column_centre "$column")
  if [ "$column" -lt 20 ]; then side=Left; else side=Right; fi
  walk Up y -le 0
  if [ $side = Left ]; then walk Left x -le 0; else walk Right x -ge 99999; fi
  DONE=left_the_hall
  case $column in
    7 | 33) walk Up $side y -le 0 ;;
    16 | 24) walk Up y -le 0 ;;
    *) fail "no way to the pad in column $column" ;;
  esac
  for i in 1 2 3 4; do
    state
    left_the_hall && break
    if [ "$(p1x)" -lt "$x" ]; then walk Up Right y -le 0; else walk Up Left y -le 0; fi
  done
  DONE=false
}

# --- the program ---------------------------------------------------------------

# A scratch program folder: a copy of the game (its folder is where it looks
# for data and writes config.dat) and links to the generated data. $1, when
# given, is a data file to leave out, such as objects/48.tga.
make_program_dir() {
  local leave_out=${1:-} entry name sub
  cp "$GAME" "$WORK/brimvale" || fail "cannot copy the game"
  mkdir "$WORK/data"
  for entry in "$DATA"/*; do
    name=$(basename "$entry")
    if [ -n "$leave_out" ] && [ "${leave_out%%/*}" = "$name" ] && [ "$leave_out" != "$name" ]; then
      mkdir "$WORK/data/$name"
      for sub in "$entry"/*; do
        [ "$name/$(basename "$sub")" = "$leave_out" ] && continue
        ln -s "$sub" "$WORK/data/$name/"
      done
    elif [ "$leave_out" != "$name" ]; then
      ln -s "$entry" "$WORK/data/$name"
    fi
  done
}

START_MS=0
start_game() {
  local boxes=${1:-log}
  xvfb_start 1024x768 || fail "Xvfb did not start: $(cat "$XVFB_LOG")"
  START_MS=$(now_ms)
  (cd "$WORK" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy BRIMVALE_PROBE="$WORK/shot.png" \
    BRIMVALE_MESSAGE_BOXES=$boxes exec ./brimvale >"$WORK/out" 2>"$WORK/err") &
  GAME_PID=$!
}

# Started, drawing, its window found, focused and where it belongs.
expect_running_game() {
  wait_for 200 has_line '^started ' || fail "the game did not start"
  echo "figure: start-up to the first pass $(($(now_ms) - START_MS)) ms"
  has_line '^started .*loaded=1 ' || fail "resources not loaded: $(grep '^started' "$WORK/out")"
  WID=$(xvfb_wait_window 50 '^Brimvale$') || fail "no visible window captioned 'Brimvale'"
  local geometry
  geometry=$(xdotool getwindowgeometry "$WID")
  echo "$geometry" | grep -q 'Geometry: 640x480' || fail "window geometry: $geometry"
  # Centred on the 1024 by 768 screen.
  echo "$geometry" | grep -q 'Position: 192,144' || fail "window not centred: $geometry"
  focus_game
}

# Escape ends the intro; the shutters open over the menu level.
intro_over() { state && [ "$(field transition)" -ge 0 ]; }
skip_intro() {
  state || fail "no state"
  [ "$(field transition)" -lt 0 ] || fail "not in the intro: $STATE"
  press_until Escape 50 intro_over || fail "Escape did not end the intro"
  wait_for 80 state_is level 0 transition 900 || fail "the menu level did not open"
}

expect_menu_drawn() {
  local lit blue i
  # The sprite's alpha pulses; a few frames may be needed to catch it bright.
  for i in 1 2 3 4 5 6 7 8; do
    screenshot
    blue=$(probe count bluish 290 210 60 60)
    [ "$blue" -ge 150 ] && break
    sleep 0.15
  done
  lit=$(probe count lit 0 0 640 370)
  [ "$lit" -ge 200000 ] || fail "the map area is mostly black ($lit lit pixels)"
  [ "$blue" -ge 150 ] || fail "no player sprite in the middle ($blue bluish pixels)"
  expect_hud
  [ -n "$KEEP" ] && cp "$SHOT" "$KEEP"
}

# The HUD's health gauge: a white frame at (100, 12) around the full bar.
expect_hud() {
  [ "$(probe count white 100 12 104 1)" -ge 100 ] || fail "no HUD gauge frame"
  local bar
  bar=$(probe match 102 14 "$DATA/bar.tga")
  [ "$bar" = match ] || fail "the HUD's health bar: $bar"
}

close_game() {
  "$CLOSER" "$WID" || fail "cannot send the close request"
  wait_for 100 eval '! game_alive' || fail "the game did not end when its window was closed"
  wait "$GAME_PID"
  local status=$?
  GAME_PID=""
  [ "$status" -eq 0 ] || fail "the game ended with $status"
}

byte() { od -An -tu1 -j "$1" -N1 "$WORK/config.dat" | tr -d ' '; }
expect_default_config() {
  [ -f "$WORK/config.dat" ] || fail "no config.dat"
  [ "$(stat -c %s "$WORK/config.dat")" -eq 44 ] || fail "config.dat is not 44 bytes"
  [ "$(byte 0)" = 102 ] || fail "config.dat byte 0: $(byte 0)"
  [ "$(byte 16)" = 3 ] || fail "config.dat byte 16: $(byte 16)"
  [ "$(byte 30)" = 200 ] || fail "config.dat byte 30: $(byte 30)"
  [ "$(byte 41)" = 47 ] || fail "config.dat byte 41: $(byte 41)"
}

# The run was recorded from its start into replays/ beside the program, as
# one finished file, and plays back headless through every hash it holds to
# the world the game ended with.
expect_replay_plays_back() {
  local files file
  files=$(ls "$WORK/replays"/*.bvr 2>/dev/null | wc -l)
  [ "$files" -eq 1 ] || fail "$files replay files in $WORK/replays"
  file=$(ls "$WORK/replays"/*.bvr)
  [ -n "$SIM" ] || return 0
  "$SIM" --replay "$file" --check --program-dir "$WORK" >"$WORK/replay.json" 2>"$WORK/replay.err" ||
    fail "the game's replay did not play back: $(cat "$WORK/replay.err")"
  grep -q '"world_hash"' "$WORK/replay.json" || fail "no final world hash from the replay"
  echo "figure: replay $(stat -c %s "$file") bytes for $(sed -n 's/^{"events".*"ticks":\([0-9]*\).*/\1/p;s/.*"ticks":\([0-9]*\).*/\1/p' "$WORK/replay.json" | head -n 1) steps"
}

report_rate() {
  state && echo "figure: frame rate $(field fps) per second, $(field ticks) ticks, $(field frames) frames"
}

# --- scenarios -------------------------------------------------------------------

one_player() {
  make_program_dir
  start_game
  expect_running_game
  skip_intro
  expect_menu_drawn
  report_rate

  walk_to_pad 7
  wait_for 30 state_is level 1 || fail "the one-player pad did not start level 1"
  state
  [ "$(field two_players)" = 0 ] || fail "a one-player game has two players: $STATE"
  wait_for 80 state_is level 1 transition 900 || fail "the shutters did not open"
  screenshot
  [ "$(probe count lit 0 0 640 370)" -ge 200000 ] || fail "level 1 is mostly black"
  expect_hud

  # Play a little: walk about and fire.
  local ticks
  ticks=$(field ticks)
  key_down Return
  walk Down y -ge 999999
  walk Up y -le 0
  key_up Return
  wait_for 100 ticks_past $((ticks + 90)) || fail "the game did not run on: $STATE"
  [ "$(field level)" = 1 ] || [ "$(field level)" = 0 ] || fail "unexpected level: $STATE"

  if [ "$(field level)" = 1 ]; then
    press_until Escape 50 state_is level 0 || fail "Escape did not leave the level"
  fi
  wait_for 80 state_is level 0 transition 900 || fail "Escape did not return to the menu"
  state
  [ "$(field p1 | cut -d. -f1)" = 1375 ] || fail "not back at the menu's start: $STATE"
  report_rate

  close_game
  expect_default_config
  expect_replay_plays_back
  echo "PASS: intro, menu, one-player game, back to the menu, closed and saved, replayed"
}

two_players() {
  make_program_dir
  start_game
  expect_running_game
  skip_intro
  walk_to_pad 16
  wait_for 30 state_is level 1 two_players 1 second_player 1 ||
    fail "the two-player pad did not start a two-player game"
  wait_for 80 state_is level 1 transition 900 || fail "the shutters did not open"
  screenshot
  local divider
  divider=$(probe match 318 0 "$DATA/split.tga")
  [ "$divider" = match ] || fail "no divider at x 318: $divider"
  [ "$(probe count lit 0 0 318 370)" -ge 90000 ] || fail "the left view is mostly black"
  [ "$(probe count lit 320 0 320 370)" -ge 90000 ] || fail "the right view is mostly black"
  # Both views have their own HUD gauge.
  [ "$(probe count white 100 12 104 1)" -ge 100 ] || fail "no HUD gauge in the left view"
  [ "$(probe count white 420 12 104 1)" -ge 100 ] || fail "no HUD gauge in the right view"
  [ -n "$KEEP" ] && cp "$SHOT" "${KEEP%.png}-split.png"
  report_rate
  close_game
  expect_default_config
  echo "PASS: two-player game in a split screen with the divider"
}

missing_object() {
  make_program_dir objects/48.tga
  # The box is shown for real and logged too; the test closes it.
  start_game both
  wait_for 200 has_error_line '^message-box error: ' || fail "no error box"
  grep '^message-box' "$WORK/err" | grep -q '48.tga' || fail "the box does not name the file"
  has_error_line '^message-box warning' && fail "a fatal report instead of the error box"
  # The game's window is shown once its creation ends, so the box is the
  # only window then; its close button ends it as OK does.
  local box=""
  find_box() {
    box=$("$WINDOWS" | grep ' Brimvale$' | grep -v ' 640x480+' | head -n 1 | cut -d' ' -f1)
    [ -n "$box" ]
  }
  wait_for 50 find_box || fail "the error box is not on the screen"
  # The game waits for the box: nothing has run yet.
  has_line '^started ' && fail "the game ran on before the box was confirmed"
  "$CLOSER" "$box" || fail "cannot close the error box"
  # Confirmed, the box ends the program with code 1: no black window stays.
  wait_for 100 eval '! game_alive' || fail "the game ran on after the box"
  wait "$GAME_PID"
  local status=$?
  GAME_PID=""
  [ "$status" -eq 1 ] || fail "the game ended with $status, not 1"
  has_line '^started ' && fail "the game loop ran after the box"
  [ -e "$WORK/config.dat" ] && fail "config.dat written after a failed start"
  echo "PASS: without object image 48 the error box shows, then the program ends with code 1"
}

missing_sample() {
  make_program_dir sound/menusnd.wav
  start_game
  expect_running_game
  has_line '^started .* silent=menusnd$' || fail "menusnd not reported silent: $(grep '^started' "$WORK/out")"
  skip_intro
  # North through the gate, past the cell that plays the menu jingle.
  walk Up y -le 0
  state
  [ "$(field sounds)" -ge 1 ] || fail "the jingle was not asked for: $STATE"
  [ "$(field silent_sounds)" -ge 1 ] || fail "the jingle was not silent: $STATE"
  local frames
  frames=$(field frames)
  frames_past() { state && [ "$(field frames)" -gt "$1" ]; }
  wait_for 50 frames_past "$frames" || fail "the game stopped drawing: $STATE"
  close_game
  echo "PASS: without menusnd.wav the game runs on, silent for that sound"
}

options_and_exit() {
  make_program_dir
  start_game
  expect_running_game
  skip_intro
  walk_to_pad 24
  wait_for 30 state_is options 1 || fail "the options pad did not open the options"
  local dialog ticks
  dialog=$(xvfb_wait_window 50 '^Brimvale - opcje gry$') || fail "no visible options window"
  # The game runs on behind it, the player back at the menu's start.
  state
  ticks=$(field ticks)
  wait_for 50 ticks_past "$ticks" || fail "the game stopped behind the options: $STATE"
  [ "$(field p1)" = 1375.0,1575.0 ] || fail "the options pad did not send the player back: $STATE"
  # Shown, the window has the keyboard (SDL gives it the focus when no
  # window manager does); Escape closes it.
  has_focus() { state && [ "$(field focus)" != none ]; }
  wait_for 50 has_focus || fail "no window of the game has the keyboard: $STATE"
  press_until Escape 50 state_is options 0 || fail "Escape did not close the options window"
  game_alive || fail "closing the options ended the game"
  # Up was held when the options opened; it must not walk the player on.
  stays_put 45 || fail "the player walked on after the options window closed"
  # Without a window manager the focus does not come back by itself.
  focus_game
  wait_for 50 state_is focus game || fail "the game window did not get the focus: $STATE"
  walk_to_pad 33
  wait_for 80 eval '! game_alive' || fail "the exit pad did not end the program"
  wait "$GAME_PID"
  local status=$?
  GAME_PID=""
  [ "$status" -eq 0 ] || fail "the game ended with $status"
  expect_default_config
  expect_replay_plays_back
  echo "PASS: the options window over the game, then the exit pad saved and ended, replayed"
}

focus_change() {
  make_program_dir
  start_game
  expect_running_game
  skip_intro
  wait_for 50 state_is focus game || fail "the game window has no focus: $STATE"
  # Walking north up the garden path.
  key_down Up
  walking() { state && [ "$(p1y)" -lt 1550 ]; }
  wait_for 50 walking || fail "Up does not walk the player: $STATE"
  # Another window takes the focus (here the screen's root window), and
  # Up is released there: the game never hears of the release.
  local root
  root=$(xdotool search --maxdepth 0 --name '' 2>/dev/null | head -n 1)
  [ -n "$root" ] || fail "no root window"
  xdotool windowfocus "$root"
  wait_for 50 state_is focus none || fail "the game kept the focus: $STATE"
  key_up Up
  stays_put 45 || fail "the player walked on while another window had the focus"
  focus_game
  wait_for 50 state_is focus game || fail "the focus did not come back: $STATE"
  stays_put 45 || fail "the player walked on when the focus came back"
  # The keyboard is read again.
  local y
  y=$(p1y)
  moved() { state && [ "$(p1y)" -lt "$y" ]; }
  press_until Up 50 moved || fail "Up does not walk the player after the focus came back"
  close_game
  echo "PASS: a key released while the game had no focus does not stick"
}

case "$SCENARIO" in
  one-player) one_player ;;
  two-players) two_players ;;
  missing-object) missing_object ;;
  missing-sample) missing_sample ;;
  options-and-exit) options_and_exit ;;
  focus-change) focus_change ;;
  *)
    echo "unknown scenario $SCENARIO"
    exit 2
    ;;
esac

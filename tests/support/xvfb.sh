# Shared pieces of the end-to-end scripts: a virtual X display of their own,
# waits in bounded tries, and the windows on it. Source it from bash:
#
#   . "$(dirname "$0")/../support/xvfb.sh"
#
#   xvfb_require TOOL...         exit 77 (ctest's skip) naming the first
#                                missing tool
#   xvfb_at_exit FUNCTION        run FUNCTION when the script ends, before the
#                                display goes (kill your programs there and
#                                wait for them by pid, not with a bare wait)
#   xvfb_start SIZE [wm]         start Xvfb with one screen of SIZE (e.g.
#                                1920x1080) on a free display, export DISPLAY;
#                                with "wm" also openbox, waited for. Returns 1
#                                if the display did not come; $XVFB_LOG
#                                holds Xvfb's output
#   wait_for TRIES COMMAND...    run COMMAND every tenth of a second until it
#                                succeeds, at most TRIES times
#   xvfb_window REGEX            print the first visible window whose name
#                                matches REGEX; 1 if there is none
#   xvfb_wait_window TRIES REGEX the same, waiting up to TRIES tenths
#
# At exit the FUNCTIONs run in order, then the window manager and Xvfb are
# stopped and their folder removed.

XVFB_PID=""
XVFB_WM_PID=""
XVFB_DIR=""
XVFB_LOG=""
XVFB_EXIT_HOOKS=""

xvfb_require() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is missing"
      exit 77
    fi
  done
}

xvfb_at_exit() { XVFB_EXIT_HOOKS="$XVFB_EXIT_HOOKS $1"; }

wait_for() {
  local tries=$1 i
  shift
  for i in $(seq "$tries"); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

xvfb_start() {
  local size=$1 wm=${2:-}
  XVFB_DIR=$(mktemp -d)
  XVFB_LOG="$XVFB_DIR/xvfb.log"
  # Xvfb picks a free display number and writes it to fd 5.
  Xvfb -displayfd 5 -screen 0 "${size}x24" -nolisten tcp 5>"$XVFB_DIR/display" 2>"$XVFB_LOG" &
  XVFB_PID=$!
  wait_for 100 test -s "$XVFB_DIR/display" || return 1
  export DISPLAY=":$(head -n 1 "$XVFB_DIR/display")"
  if [ "$wm" = wm ]; then
    openbox >"$XVFB_DIR/wm.log" 2>&1 &
    XVFB_WM_PID=$!
    # Its first window says it runs; a moment more and it manages new ones.
    wait_for 50 xdotool search --name '' >/dev/null 2>&1
    sleep 0.3
  fi
  return 0
}

xvfb_window() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
  [ -n "$id" ] && echo "$id"
}

xvfb_wait_window() {
  local tries=$1 i
  for i in $(seq "$tries"); do
    xvfb_window "$2" && return 0
    sleep 0.1
  done
  return 1
}

_xvfb_exit() {
  local hook
  for hook in $XVFB_EXIT_HOOKS; do "$hook"; done
  [ -n "$XVFB_WM_PID" ] && kill "$XVFB_WM_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  [ -n "$XVFB_DIR" ] && rm -rf "$XVFB_DIR"
}
trap _xvfb_exit EXIT

# Harness for the end-to-end tests: each test sources this file, gets a
# program folder of its own in a temporary directory and its own Xvfb, runs
# the real program, drives it with xdotool and checks screenshots and files.
#
#   source "$(dirname "$0")/lib.sh"
#   e2e_setup [WIDTHxHEIGHT]        # default 1024x768
#   start_program [ARGS...]         # in $PROGRAM_DIR; sets PROGRAM_PID
#   wait_window "Pictype Viewer"    # prints the window id
#   ...
#   e2e_pass

set -euo pipefail

: "${PICTYPE_PROGRAM_DIR:?the built program folder}"
E2E_NAME=$(basename "$0" .sh)
E2E_TIMEOUT=${E2E_TIMEOUT:-20}

e2e_log() { echo "[$E2E_NAME] $*" >&2; }

fail() {
  e2e_log "FAIL: $*"
  if [[ -n ${DISPLAY:-} ]] && command -v import >/dev/null; then
    import -window root "$WORK/failure.png" 2>/dev/null &&
      e2e_log "screen at failure: $WORK/failure.png (kept)"
    KEEP_WORK=1
  fi
  exit 1
}

e2e_cleanup() {
  local status=$?
  if [[ -n ${PROGRAM_PID:-} ]] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill -9 "$PROGRAM_PID" 2>/dev/null || true
  fi
  if [[ -n ${XVFB_PID:-} ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  if [[ -z ${KEEP_WORK:-} && $status -eq 0 ]]; then rm -rf "$WORK"; fi
  exit "$status"
}

# Makes $WORK with a copy of the program folder in $PROGRAM_DIR and starts
# Xvfb on a free display with one screen of the given size.
e2e_setup() {
  local size=${1:-1024x768}
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/pictype-e2e.XXXXXX")
  trap e2e_cleanup EXIT
  PROGRAM_DIR=$WORK/program
  cp -R "$PICTYPE_PROGRAM_DIR" "$PROGRAM_DIR"
  export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime TEMP=$WORK/temp
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TEMP"
  chmod 700 "$XDG_RUNTIME_DIR"
  export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM

  local fifo=$WORK/displayfd
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local number
  read -r -t "$E2E_TIMEOUT" number <"$fifo" || fail "Xvfb did not start"
  export DISPLAY=:$number
  SCREEN_SIZE=$size
}

# Starts the program from its folder as a child of this shell.
start_program() {
  (cd "$PROGRAM_DIR" && exec ./pictype-viewer "$@") >"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
}

# Waits for a visible window whose name matches; prints its id.
wait_window() {
  local id
  id=$(timeout "$E2E_TIMEOUT" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1) ||
    fail "no window named '$1' appeared"
  [[ -n $id ]] || fail "no window named '$1' appeared"
  echo "$id"
}

# Waits until no visible window matches the name.
wait_window_gone() {
  local deadline=$((SECONDS + E2E_TIMEOUT))
  while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || fail "window '$1' did not go away"
    sleep 0.1
  done
}

# Waits for the program to end and sets EXIT_STATUS. Not to be called in a
# subshell: only this shell can collect its child's status.
wait_program_exit() {
  local deadline=$((SECONDS + E2E_TIMEOUT))
  while kill -0 "$PROGRAM_PID" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "the program did not end"
    sleep 0.1
  done
  EXIT_STATUS=0
  wait "$PROGRAM_PID" || EXIT_STATUS=$?
  PROGRAM_PID=
}

# Gives a window the keyboard focus (no window manager here).
focus_window() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.2
}

# Types text into the focused window, key by key.
type_text() { xdotool type --delay 30 -- "$1"; }

# Presses one key (xdotool key names: Escape, Return, F5, shift+Right...).
press() { xdotool key --delay 30 "$@"; }

# Asks a window to close, as a window manager's close button does.
close_window() { "$PICTYPE_BIN_DIR/x-close-window" "$1"; }

# Clicks at a screen position.
click_at() {
  xdotool mousemove --sync "$1" "$2" click 1
  sleep 0.2
}

# Clicks at a position relative to a window's top-left corner.
click_in_window() {
  local id=$1 x=$2 y=$3 wx wy
  eval "$(xdotool getwindowgeometry --shell "$id")"
  wx=$X wy=$Y
  click_at $((wx + x)) $((wy + y))
}

# Screenshot of the whole screen.
screenshot() { import -window root "$1"; }

# The colour of one pixel of a PNG as "r,g,b" (0-255 each).
pixel_at() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Waits until the screen shows the given colour at (x, y).
wait_pixel() {
  local x=$1 y=$2 want=$3 deadline=$((SECONDS + E2E_TIMEOUT)) got
  while :; do
    screenshot "$WORK/poll.png"
    got=$(pixel_at "$WORK/poll.png" "$x" "$y")
    [[ $got == "$want" ]] && return 0
    ((SECONDS < deadline)) || fail "pixel ($x,$y) is $got, expected $want"
    sleep 0.1
  done
}

assert_eq() {
  [[ $1 == "$2" ]] || fail "${3:-values differ}: got '$1', expected '$2'"
}

assert_file_bytes() {
  local file=$1 expected=$2
  [[ -f $file ]] || fail "$file does not exist"
  cmp -s "$file" <(printf '%b' "$expected") ||
    fail "$file holds $(od -c "$file" | head -5), expected $(printf '%b' "$expected" | od -c | head -5)"
}

e2e_pass() { e2e_log "passed"; }

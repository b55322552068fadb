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
#
# Helpers: start_program, wait_window, wait_window_gone, wait_program_exit
# (sets EXIT_STATUS), adopt_window_program + wait_program_gone (a program
# started by someone else), focus_window, type_text, press, click_at,
# click_in_window, close_window, window_geometry, screenshot,
# screenshot_window, pixel_at, wait_pixel, wait_pixel_not, dark_pixels,
# text_lines, same_region, shows_text, write_file_bytes, wait_file, wait_for,
# assert_eq, assert_file_bytes, fail, e2e_skip, e2e_pass; for the launcher
# and the typed text: click_start, wait_other_window, wait_window_closed,
# answer_message, close_launcher_discarding_work, temp_text_file,
# wait_temp_text_file, wait_file_bytes, wait_clipboard.
#
# A test that runs make or cmake on the build tree says so in a line
# "# e2e: uses-build-tree"; CTest then runs such tests one at a time.

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
  # Nothing the program or a helper does may reach the real home folder.
  export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime TEMP=$WORK/temp
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TEMP" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
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

# Takes over a program that this shell did not start (a desktop launcher
# started it): its process is found through the window, and the cleanup
# ends it like one of ours.
adopt_window_program() {
  PROGRAM_PID=$(xdotool getwindowpid "$1") || fail "window $1 names no process"
}

# Waits until an adopted program has ended; its exit status cannot be known.
wait_program_gone() {
  local deadline=$((SECONDS + E2E_TIMEOUT))
  while kill -0 "$PROGRAM_PID" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "the program did not end"
    sleep 0.1
  done
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

# The id of a visible "Pictype Viewer" window other than the given one (a
# message box or a dialog over the launcher); waits for it to appear.
wait_other_window() {
  local except=$1 deadline=$((SECONDS + E2E_TIMEOUT)) id
  while :; do
    for id in $(xdotool search --onlyvisible --name "${2:-Pictype Viewer}" 2>/dev/null); do
      [[ $id != "$except" ]] && { echo "$id"; return 0; }
    done
    ((SECONDS < deadline)) || fail "no second window appeared"
    sleep 0.1
  done
}

# Closes the launcher; when it asks whether to save the typed work, answers
# No (the temporary file is deleted). Then waits for the program to end.
close_launcher_discarding_work() {
  local launcher=$1 deadline=$((SECONDS + E2E_TIMEOUT)) id
  close_window "$launcher"
  while kill -0 "$PROGRAM_PID" 2>/dev/null; do
    for id in $(xdotool search --onlyvisible --name "Pictype Viewer" 2>/dev/null); do
      if [[ $id != "$launcher" ]]; then
        focus_window "$id"
        press n
      fi
    done
    ((SECONDS < deadline)) || fail "the program did not end"
    sleep 0.2
  done
  wait_program_exit
}

# Presses the launcher's Start button.
click_start() { click_in_window "$1" $((16 + 56)) $((8 + 12)); }

# Waits until the window with this id is no longer shown.
wait_window_closed() {
  local deadline=$((SECONDS + E2E_TIMEOUT))
  while xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; do
    ((SECONDS < deadline)) || fail "window $1 did not close"
    sleep 0.1
  done
}

# Waits for a message box over the launcher, answers it with a key (y, n,
# Return...) and waits until it is gone. Before answering, a screenshot of
# it is left in $WORK/message.png and its size in WIN_W and WIN_H.
answer_message() {
  local launcher=$1 key=$2 box
  box=$(wait_other_window "$launcher")
  focus_window "$box"
  window_geometry "$box"
  screenshot_window "$box" "$WORK/message.png"
  press "$key"
  wait_window_closed "$box"
}

# The program's temporary typed-text file ("~" and a number in the program
# folder), or nothing while there is none; more than one is a fault.
temp_text_file() {
  local files=("$PROGRAM_DIR"/~*)
  [[ -e ${files[0]} ]] || return 0
  ((${#files[@]} == 1)) || fail "more than one typed-text file: ${files[*]}"
  echo "${files[0]}"
}

# Waits for the temporary typed-text file to appear; prints its path.
wait_temp_text_file() {
  local deadline=$((SECONDS + E2E_TIMEOUT)) file
  until file=$(temp_text_file) && [[ -n $file ]]; do
    ((SECONDS < deadline)) || fail "no typed-text file appeared in $PROGRAM_DIR"
    sleep 0.1
  done
  echo "$file"
}

# Waits until a file holds exactly the given bytes (printf escapes), then
# checks them once more with a readable report.
wait_file_bytes() {
  local file=$1 expected=$2 deadline=$((SECONDS + E2E_TIMEOUT))
  until [[ -f $file ]] && cmp -s "$file" <(printf '%b' "$expected"); do
    ((SECONDS < deadline)) || break
    sleep 0.1
  done
  assert_file_bytes "$file" "$expected"
}

# Waits until the X clipboard holds exactly the given text (printf
# escapes). The text vanishes when its owner quits, so this reads while the
# program runs.
wait_clipboard() {
  local expected=$1 got=$WORK/clipboard.txt deadline=$((SECONDS + E2E_TIMEOUT))
  until timeout 5 xclip -o -selection clipboard >"$got" 2>/dev/null &&
    cmp -s "$got" <(printf '%b' "$expected"); do
    ((SECONDS < deadline)) || fail "the clipboard holds '$(cat "$got")', expected '$expected'"
    sleep 0.1
  done
}

# Waits until the launcher is drawn (its key help shows seven lines); sets
# LAUNCHER to its window id and leaves a screenshot of it in $shot.
wait_launcher_drawn() {
  LAUNCHER=$(wait_window "Pictype Viewer")
  shot=$WORK/launcher.png
  wait_for "the launcher to be drawn" launcher_drawn
}
launcher_drawn() {
  screenshot_window "$LAUNCHER" "$shot"
  [[ $(text_lines "$shot" 16 216 281 97) == 7 ]]
}

# Closes the launcher and expects the program to end cleanly.
close_launcher() {
  close_window "$LAUNCHER"
  wait_program_exit
  assert_eq "$EXIT_STATUS" 0 "exit status"
}

# Clicks at a screen position. A --sync move waits for the pointer to
# move, which takes xdotool many seconds when it is already there.
click_at() {
  local X Y SCREEN WINDOW
  eval "$(xdotool getmouselocation --shell)"
  if [[ $X != "$1" || $Y != "$2" ]]; then xdotool mousemove --sync "$1" "$2"; fi
  xdotool click 1
  sleep 0.2
}

# Clicks at a position relative to a window's top-left corner.
click_in_window() {
  window_geometry "$1"
  click_at $((WIN_X + $2)) $((WIN_Y + $3))
}

# Sets WIN_X, WIN_Y (screen position) and WIN_W, WIN_H (size) of a window.
window_geometry() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# Screenshot of the whole screen.
screenshot() { import -window root "$1"; }

# Screenshot of one window's contents.
screenshot_window() { import -window "$1" "$2"; }

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

# Waits until the screen no longer shows the given colour at (x, y): a
# window that covered that place has gone.
wait_pixel_not() {
  local x=$1 y=$2 gone=$3 deadline=$((SECONDS + E2E_TIMEOUT))
  while :; do
    screenshot "$WORK/poll.png"
    [[ $(pixel_at "$WORK/poll.png" "$x" "$y") != "$gone" ]] && return 0
    ((SECONDS < deadline)) || fail "pixel ($x,$y) still shows $gone"
    sleep 0.1
  done
}

# How many pixels of a region of a PNG are darker than a grey level (0-100,
# default 50): text, frames and marks stand out this way on light controls.
dark_pixels() {
  local image=$1 x=$2 y=$3 w=$4 h=$5 level=${6:-50}
  convert "$image" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray -negate \
    -threshold "$((100 - level))%" -format "%[fx:int(mean*w*h+0.5)]" info:
}

# How many lines of dark text a region of a PNG holds: runs of rows with a
# dark pixel, separated by rows without one.
text_lines() {
  local image=$1 x=$2 y=$3 w=$4 h=$5
  convert "$image" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray -negate \
    -threshold 50% -scale "1x${h}!" -threshold 0 -depth 8 gray:- |
    od -An -v -tu1 | tr -s ' ' '\n' | grep -v '^$' |
    awk '$1 > 0 && !inside { lines++ } { inside = ($1 > 0) } END { print lines + 0 }'
}

# Whether two PNGs hold the same pixels in a region: same_region A B X Y W H
same_region() {
  local geometry="${5}x${6}+${3}+${4}" differing
  convert "$1" -crop "$geometry" +repage "$WORK/region-a.png"
  convert "$2" -crop "$geometry" +repage "$WORK/region-b.png"
  differing=$(compare -metric AE "$WORK/region-a.png" "$WORK/region-b.png" null: 2>&1) || true
  [[ $differing == 0 ]]
}

# Whether a region of a PNG shows a text exactly as a label of the program
# draws it (PIXEL_SIZE for windows that set their own font size). Text
# wider than the region is compared as far as the region shows it.
#   shows_text IMAGE X Y W H TEXT [PIXEL_SIZE]
shows_text() {
  local image=$1 x=$2 y=$3 w=$4 h=$5 text=$6 size=${7:-} rendered=$WORK/text.png
  "$PICTYPE_BIN_DIR/render-label" ${size:+--pixel-size "$size"} "$text" "$rendered" ||
    fail "could not draw '$text'"
  convert "$image" -crop "${w}x${h}+${x}+${y}" +repage "$WORK/region.png"
  convert "$rendered" -crop "$((w - 1))x${h}+0+0" +repage "$rendered"
  local differing
  differing=$(compare -metric AE -subimage-search "$WORK/region.png" "$rendered" null: 2>&1 | cut -d' ' -f1) || true
  [[ $differing == 0 ]]
}

# Writes bytes given as printf escapes ('\r\n' and so on) to a file.
write_file_bytes() { printf '%b' "$2" >"$1"; }

# Waits until a command succeeds: wait_for "what is awaited" COMMAND [ARGS...]
wait_for() {
  local what=$1 deadline=$((SECONDS + E2E_TIMEOUT))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || fail "gave up waiting for $what"
    sleep 0.1
  done
}

# Waits until a file exists.
wait_file() {
  local deadline=$((SECONDS + E2E_TIMEOUT))
  until [[ -e $1 ]]; do
    ((SECONDS < deadline)) || fail "$1 did not appear"
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

# Ends the test as skipped (CTest's SKIP_RETURN_CODE): it cannot run here.
e2e_skip() {
  e2e_log "skipped: $*"
  exit 77
}

e2e_pass() { e2e_log "passed"; }

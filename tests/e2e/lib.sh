# End-to-end harness: a copy of the program folder and an Xvfb for each test,
# the real program driven by xdotool. A failure keeps the folder and failure.png.
# E2E_DESKTOP=sway runs a journey on Wayland instead (sway.sh).
set -euo pipefail
: "${PICTYPE_PROGRAM_DIR:?the built program folder}"
DESKTOP=${E2E_DESKTOP:-x11}
NAME=$(basename "$0" .sh)${E2E_DESKTOP:+.$E2E_DESKTOP}
TIMEOUT=${E2E_TIMEOUT:-20}

fail() {
  echo "[$NAME] FAIL: $*" >&2
  shot failure.png 2>/dev/null
  [[ $DESKTOP == x11 ]] || echo "[$NAME] the program's windows: $(windows | tr '\n' ';')" >&2
  touch "$WORK/kept" && echo "[$NAME] kept $WORK" >&2
  exit 1
}

cleanup() {
  local status=$?
  [[ -n ${PROGRAM_PID:-} ]] && kill -9 "$PROGRAM_PID" 2>/dev/null
  [[ -n ${WM_PID:-} ]] && kill "$WM_PID" 2>/dev/null
  [[ -n ${DESKTOP_PID:-} ]] && kill "$DESKTOP_PID" 2>/dev/null && wait "$DESKTOP_PID" 2>/dev/null
  [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  [[ -e $WORK/kept ]] || rm -rf "$WORK"
  exit "$status"
}

# A program folder in $PROGRAM_DIR and an Xvfb with one screen of the given size.
setup() {
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/pictype-e2e.XXXXXX")
  trap cleanup EXIT
  PROGRAM_DIR=$WORK/program
  cp -R "$PICTYPE_PROGRAM_DIR" "$PROGRAM_DIR"
  export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime TEMP=$WORK/temp SDL_AUDIODRIVER=dummy
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TEMP" "$WORK/pictures"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LC_CTYPE
  export LANG=C.UTF-8  # as on a desktop: dead keys compose by the locale's table
  mkfifo "$WORK/displayfd"
  # -noreset: a server that resets when its last client leaves refuses the next for a moment.
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$WORK/displayfd" \
    >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r -t "$TIMEOUT" DISPLAY <"$WORK/displayfd" || fail "Xvfb did not start"
  export DISPLAY=:$DISPLAY
}

# Two screens of one X server, 1024 x 768 on the left and 800 x 600 at its
# right (RandR monitors, which screen_off / screen_on take away and bring
# back), and a window manager with its usual key bindings: Alt+Tab, Alt+F4, ...
setup_screens() {
  setup 1824x768
  xrandr --setmonitor left 1024/270x768/200+0+0 screen >/dev/null
  screen_on
  start_window_manager
}
screen_on() { xrandr --setmonitor right 800/210x600/160+1024+0 none >/dev/null; }
screen_off() { xrandr --delmonitor right >/dev/null; }
start_window_manager() {
  openbox >>"$WORK/wm.log" 2>&1 &
  WM_PID=$!
  wait_for "the window manager" eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}
move_launcher_right() {
  xdotool windowmove "$LAUNCHER" 1200 100  # as a user drags it there
  wait_for "the launcher on the right screen" eval \
    '[[ $(xdotool getwindowgeometry "$LAUNCHER") == *"Position: 12"* ]]'
}

# start_program ARGUMENTS...: in the program folder; start_program_in FOLDER ARGUMENTS...
start_program() { start_program_in "$PROGRAM_DIR" "$@"; }
start_program_in() {
  (cd "$1" && shift && exec "$PROGRAM_DIR/pictype-viewer" "$@") >>"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
}

# wait_for WHAT COMMAND...: until the command succeeds, or fails the test.
wait_for() {
  local what=$1 deadline=$((SECONDS + TIMEOUT))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || fail "gave up waiting for $what"
    sleep 0.1
  done
}

windows() { xdotool search --onlyvisible --name "Pictype Viewer" 2>/dev/null | sort || true; }

# Waits for a program window other than the ones given; prints its id.
new_window() {
  local before=$1
  wait_for "a new window" eval '[[ -n $(comm -13 <(echo "$before") <(windows)) ]]'
  comm -13 <(echo "$before") <(windows) | head -n 1
}
wait_launcher() { LAUNCHER=$(new_window ""); sleep 0.3; }

# Fills in the file dialog of the given title with a path.
in_dialog() {
  focus "$(xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)"
  type_text "$2"
  press Return
}

# Answers the message box that comes up over the launcher with keys.
answer() {
  local box
  box=$(new_window "${LAUNCHER:-}")
  focus "$box"
  press "$@"
  wait_for "the message to close" eval "[[ \$(windows) != *$box* ]]"
}

# Waits for the program to end and sets STATUS to its exit status.
wait_exit() {
  wait_for "the program to end" eval '! kill -0 "$PROGRAM_PID" 2>/dev/null'
  STATUS=0
  wait "$PROGRAM_PID" 2>/dev/null || STATUS=$?
  PROGRAM_PID=
}

focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.2; }
shot() { import -window root "$WORK/$1"; }
hold_escape() { xdotool keydown Escape && sleep "$1" && xdotool keyup Escape; }
keyboard_held() { "$PICTYPE_BIN_DIR/x-keyboard-held"; }
type_text() { xdotool type --delay 30 -- "$1"; }
press() { xdotool key --delay 30 "$@"; }
close_window() { "$PICTYPE_BIN_DIR/x-close-window" "$1"; }  # as a window manager would

click_at() { xdotool mousemove "$1" "$2" click 1 && sleep 0.2; }
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1 && sleep 0.2; }
click_start() { focus "$LAUNCHER" && click_in "$LAUNCHER" 72 20; }
# Start, then the canvas over a 1024 x 768 picture of the known pixels, once up.
open_canvas() { click_start; wait_screen region 1000 700 24 68 1000 700; }

# The typed-text file "~<number>" (in the program folder or the one given),
# never the sibling a write fills before it takes the file's place.
text_files() { compgen -G "${1:-$PROGRAM_DIR}/~*" | grep -E '/~-?[0-9]+$'; }
text_file() {
  wait_for "the typed-text file" text_files "$@" >/dev/null
  text_files "$@"
}

# Waits until a file holds exactly the given bytes (printf escapes).
expect_bytes() {
  printf '%b' "$2" >"$WORK/expected"
  wait_for "$1 to hold '$2'" cmp -s "$1" "$WORK/expected"
}
expect() { [[ $1 == "$2" ]] || fail "${3:-}: got '$1', expected '$2'"; }

# Letter sets and pictures of known pixels (pixels.py), and checks of the
# screen: glyphs TEXT X Y [SCALE] | region X Y W H PICTURE_X PICTURE_Y |
# colour X Y W H R G B | near X Y R G B (within 40 of each).
pixels() { python3 "$(dirname "${BASH_SOURCE[0]}")/pixels.py" "$@"; }
use_test_letters() { rm -f "$PROGRAM_DIR"/[Ll]etters.zip && pixels letters "$PROGRAM_DIR/letters.zip"; }
make_picture() { pixels picture "$1" "$2" "$WORK/p.ppm" && convert "$WORK/p.ppm" -type TrueColor "$3"; }
screen_passes() {
  import -window root "$WORK/shot.png" && convert "$WORK/shot.png" "$WORK/shot.ppm" &&
    pixels check "$WORK/shot.ppm" "$@"
}
check() { screen_passes "$@" || fail "the screen fails: check $*"; }
wait_screen() { wait_for "the screen to pass: check $*" screen_passes "$@"; }

[[ $DESKTOP == x11 ]] || source "$(dirname "${BASH_SOURCE[0]}")/$DESKTOP.sh"

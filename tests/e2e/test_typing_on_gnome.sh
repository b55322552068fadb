#!/usr/bin/env bash
# GNOME's compositor with two monitors gives the keyboard to whichever of the
# canvas's windows it likes, often the one mapped last: what is typed lands on
# the typing screen and in the typed-text file all the same, in every one of
# ten runs. mutter runs headless in a D-Bus session of its own; keys come
# through its remote-desktop interface.
[[ -n ${PICTYPE_OWN_SESSION:-} ]] || exec env PICTYPE_OWN_SESSION=1 dbus-run-session -- bash "$0"
source "$(dirname "$0")/lib.sh"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pictype-e2e.XXXXXX")
trap cleanup EXIT
shot() { :; }  # no screenshots of a headless mutter
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime TEMP=$WORK/temp SDL_AUDIODRIVER=dummy LANG=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TEMP" "$WORK/pictures"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY QT_QPA_PLATFORM
mutter --headless --wayland --no-x11 --virtual-monitor 1024x768 --virtual-monitor 800x600 \
  --wayland-display pictype-e2e >"$WORK/mutter.log" 2>&1 &
DESKTOP_PID=$!
wait_for "mutter" test -S "$XDG_RUNTIME_DIR/pictype-e2e"
export WAYLAND_DISPLAY=pictype-e2e
mkfifo "$WORK/keys"
/usr/bin/python3 "$(dirname "$0")/mutter-keys.py" <"$WORK/keys" >"$WORK/keys.log" 2>&1 &
exec 7>"$WORK/keys"
wait_for "the remote-desktop session" grep -q ready "$WORK/keys.log"
# Keys in xdotool's names; a new session loses its first key, so each lot
# leads with Shift.
press() {
  echo "key Shift_L $*" >&7
  local answers=$(($(grep -c done "$WORK/keys.log") + 1))
  wait_for "the keys $*" eval '(($(grep -c done "$WORK/keys.log") >= answers))'
}
type_text() {
  press
  echo "type $1" >&7
  local answers=$(($(grep -c done "$WORK/keys.log") + 1))
  wait_for "the text $1" eval '(($(grep -c done "$WORK/keys.log") >= answers))'
}

PICTYPE_PROGRAM_DIR_COPY=$WORK/program
cp -R "$PICTYPE_PROGRAM_DIR" "$PICTYPE_PROGRAM_DIR_COPY"
PROGRAM_DIR=$PICTYPE_PROGRAM_DIR_COPY
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
# Configures the program's windows are sent, once each is shown.
surfaces_shown() { grep -c 'xdg_surface@[0-9]*\.configure' "$WORK/program.log" || true; }
for run in 1 2 3 4 5 6 7 8 9 10; do
  WAYLAND_DEBUG=1 start_program "$WORK/pictures/plain.bmp"
  wait_for "the launcher" grep -q 'wl_surface@[0-9]*\.attach' "$WORK/program.log"
  shown=$(surfaces_shown)
  press space  # Start has the keyboard
  wait_for "the canvas on both monitors" eval '(($(grep -c "set_fullscreen" "$WORK/program.log") >= 2))'
  wait_for "the canvas windows shown" eval '(($(surfaces_shown) >= shown + 2))'
  sleep 0.5
  type_text ab
  press Escape
  expect_bytes "$(text_file)" 'ab\r\n'
  kill "$PROGRAM_PID" && wait_exit
  mv "$WORK/program.log" "$WORK/program-$run.log"
  rm "$PROGRAM_DIR"/~*
done

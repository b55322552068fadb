#!/usr/bin/env bash
# Two screens. The canvas covers both and types on the launcher's; a click on
# either clears; a screen taken away moves the typing, one brought back
# shows the picture again, one added is covered too and typing goes on. Locked (Alt+L), the desktop's own shortcuts and
# its close request do not end it, nor does a short Esc; Esc held longer
# than three seconds does. On X11 (openbox) and on Wayland (sway, whose test
# desktop has no pointer: no clicks there).
source "$(dirname "$0")/lib.sh"
setup_screens
use_test_letters
make_picture 600 400 "$WORK/pictures/small.bmp"
start_program "$WORK/pictures/small.bmp"
wait_launcher
make_picture 400 200 "$WORK/pictures/smaller.bmp"
move_launcher_right
start_canvas() { if [[ $DESKTOP == x11 ]]; then click_start; else press space; fi; }
# The left screen shows what is under the canvas: the bare X screen, or sway's own.
wait_canvas_gone() {
  if [[ $DESKTOP == x11 ]]; then wait_screen colour 400 300 1 1 0 0 0; else wait_canvas 0; fi
}
start_canvas
wait_screen region 1124 100 600 400 0 0  # centred on 800 x 600
check region 212 184 600 400 0 0         # centred on 1024 x 768
check colour 0 0 212 184 0 0 0
type_text 'ab'
wait_screen glyphs ab 1024 0
if [[ $DESKTOP == x11 ]]; then
  click_at 100 600  # on the other screen
  wait_screen colour 1024 0 64 31 0 0 0
fi
if [[ $DESKTOP == x11 ]]; then
  screen_off
  type_text 'Zq'
  wait_screen glyphs Zq 0 0  # typing on the left screen now, afresh
  check region 212 184 600 400 0 0
  screen_on
  wait_screen region 1124 100 600 400 0 0
  type_text 'x'
  wait_screen glyphs Zqx 0 0
else  # sway 1.7 cannot take a headless output away, only add one
  add_screen
  wait_canvas 3
  type_text 'Zqx'
  wait_screen glyphs abZqx 1024 0
fi
press F5  # the next picture of the folder, on both screens
wait_screen region 1224 200 400 200 0 0
check region 312 284 400 200 0 0
check colour 212 184 100 100 0 0 0  # the larger picture before it is gone
if [[ $DESKTOP == sway ]]; then
  press super+x  # unlocked, the desktop's own binding acts
  wait_for "the desktop's own shortcut" test -e "$HOME/desktop-shortcut"
  rm "$HOME/desktop-shortcut"
fi
press Escape
wait_canvas_gone

[[ $DESKTOP == x11 ]] && xdotool windowactivate --sync "$LAUNCHER"  # through the window manager
press alt+l Tab Tab  # Lock ticked; past Speak, Start has the keyboard again
sleep 0.3
start_canvas
wait_screen region 1224 200 400 200 0 0  # the picture shown last, typed on the right
check region 312 284 400 200 0 0
[[ $DESKTOP == x11 ]] && wait_for "the canvas to hold the keyboard" keyboard_held
type_text 'cd'
wait_screen glyphs cd 1024 0
if [[ $DESKTOP == x11 ]]; then
  press alt+Tab super ctrl+alt+Right alt+F4  # F4 itself steps to the same picture again
  close_window "$(xdotool search --onlyvisible --name "Pictype Viewer" | tail -n 1)"
  typed=cd shown=ef
else
  press super+x  # the desktop's binding: the canvas gets the key instead
  typed=cdx shown=cdxef
fi
press Escape
type_text 'ef'
wait_screen glyphs "$shown" 1024 0
[[ -e $HOME/desktop-shortcut ]] && fail "the desktop's own shortcut ran on a locked canvas"
if [[ $DESKTOP == x11 ]]; then
  click_at 100 600  # on the left screen
  wait_screen colour 1024 0 64 31 0 0 0
fi
hold_escape 4 &
holding=$!
# While held, a mark grows along the bottom, the inverse of the picture.
wait_screen colour 1024 597 300 3 255 255 255
wait "$holding"
wait_canvas_gone
expect_bytes "$(text_file)" "abZqx ${typed}ef\\r\\n"
if [[ $DESKTOP == sway ]]; then  # the launcher's questions on Wayland too
  kill -9 "$PROGRAM_PID" && wait_exit
  start_program
  wait_for "the question about the text left over" eval '(($(windows | wc -l) == 2))'
  press n  # No deletes it
  wait_for "the text left over to go" eval '! text_files >/dev/null'
fi

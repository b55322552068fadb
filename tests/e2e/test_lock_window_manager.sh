#!/usr/bin/env bash
# A locked canvas whatever the window manager does: restarted, ended or
# started again under it, with another program's window behind it and one
# opened meanwhile, the canvas stays on top and keeps the keyboard; no key
# reaches the other window, the window manager's keys and a close of the
# launcher do not leave, and only Esc held for three seconds does.
source "$(dirname "$0")/lib.sh"
setup
start_window_manager
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
# Another program, whose window would take every key it gets into a file.
other_window() {
  xterm -geometry 80x24+500+400 -e sh -c "stty -icanon -echo; exec cat >>'$WORK/elsewhere'" &
}
canvas_shown() { check region 0 32 1024 700 0 32; }
start_program "$WORK/pictures/plain.bmp"
wait_launcher
other_window
wait_for "the other window" eval '[[ -n $(xdotool search --onlyvisible --class xterm) ]]'
focus "$LAUNCHER"
press alt+l  # Lock
open_canvas
wait_for "the canvas to hold the keyboard" keyboard_held
other_window  # opened while locked: drawn over the canvas for a moment at most
sleep 1
canvas_shown
type_text 'ab'
wait_screen glyphs ab 0 0

openbox --restart  # the running window manager replaces itself
sleep 1.5
press alt+Tab
close_window "$LAUNCHER"  # the desktop's close, on the launcher behind the canvas
type_text 'cd'
wait_screen glyphs abcd 0 0
canvas_shown

kill "$WM_PID" && wait "$WM_PID" 2>/dev/null  # ended ...
other_window  # ... with nobody to stack windows
sleep 1
type_text 'ef'
wait_screen glyphs abcdef 0 0
start_window_manager  # ... and started again
sleep 1.5
press alt+Tab
type_text 'gh'
wait_screen glyphs abcdefgh 0 0
keyboard_held || fail "the keyboard is not held after the window manager came back"
press alt+F4  # F4 itself steps to the one picture again, and clears
press Escape
wait_screen region 0 0 256 31 0 0  # the text gone, the picture whole
canvas_shown

[[ ! -s $WORK/elsewhere ]] || fail "keys reached the other window: $(od -c "$WORK/elsewhere")"
hold_escape 3.5
expect_bytes "$(text_file)" 'abcdefgh\r\n'

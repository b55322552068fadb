#!/usr/bin/env bash
# Two screens and a window manager. The canvas covers both and types on the
# launcher's; a click on either clears; a screen taken away moves the typing,
# one brought back shows the picture again. Locked (Alt+L), it holds the
# keyboard: the window manager's keys, its close request and a short Esc do
# not end it; only Esc held longer than three seconds does.
source "$(dirname "$0")/lib.sh"
# Two RandR monitors of the one X screen: 1024 x 768 on the left, 800 x 600
# at its right, which screen_off / screen_on take away and bring back.
setup 1824x768
screen_on() { xrandr --setmonitor right 800/210x600/160+1024+0 none >/dev/null; }
screen_off() { xrandr --delmonitor right >/dev/null; }
xrandr --setmonitor left 1024/270x768/200+0+0 screen >/dev/null
screen_on
openbox >>"$WORK/wm.log" 2>&1 &  # with its usual key bindings: Alt+Tab, Alt+F4, ...
WM_PID=$!
wait_for "the window manager" eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
use_test_letters
make_picture 600 400 "$WORK/pictures/small.bmp"
start_program "$WORK/pictures/small.bmp"
wait_launcher
make_picture 400 200 "$WORK/pictures/smaller.bmp"
xdotool windowmove "$LAUNCHER" 1200 100  # as a user drags it there
wait_for "the launcher on the right screen" eval \
  '[[ $(xdotool getwindowgeometry "$LAUNCHER") == *"Position: 12"* ]]'
click_start
wait_screen region 1124 100 600 400 0 0  # centred on 800 x 600
check region 212 184 600 400 0 0         # centred on 1024 x 768
check colour 0 0 212 184 0 0 0
type_text 'ab'
wait_screen glyphs ab 1024 0
click_at 100 600  # on the other screen
wait_screen colour 1024 0 64 31 0 0 0
screen_off
type_text 'Zq'
wait_screen glyphs Zq 0 0  # typing on the left screen now, afresh
check region 212 184 600 400 0 0
screen_on
wait_screen region 1124 100 600 400 0 0
type_text 'x'
wait_screen glyphs Zqx 0 0
press F5  # the next picture of the folder, on both screens
wait_screen region 1224 200 400 200 0 0
check region 312 284 400 200 0 0
check colour 212 184 100 100 0 0 0  # the larger picture before it is gone
press alt+F4
wait_screen colour 400 300 1 1 0 0 0

xdotool windowactivate --sync "$LAUNCHER"  # through the window manager
press alt+l && sleep 0.3  # Lock ticked: the canvas must hold the keyboard below
click_start
wait_screen region 1224 200 400 200 0 0  # the picture shown last, typed on the right
check region 312 284 400 200 0 0
wait_for "the canvas to hold the keyboard" keyboard_held
type_text 'cd'
wait_screen glyphs cd 1024 0
canvas=$(xdotool getactivewindow)
press alt+Tab super ctrl+alt+Right alt+F4  # F4 itself steps to the same picture again
close_window "$canvas"
press Escape
type_text 'ef'
wait_screen glyphs ef 1024 0
click_at 100 600  # on the left screen
wait_screen colour 1024 0 64 31 0 0 0
xdotool keydown Escape
sleep 1.5  # half held: a mark half across the bottom, the inverse of the picture
check colour 1024 597 300 3 255 255 255
sleep 2.5
xdotool keyup Escape
wait_screen colour 400 300 1 1 0 0 0
expect_bytes "$(text_file)" 'abZqx cdef\r\n'

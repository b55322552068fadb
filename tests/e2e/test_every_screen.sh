#!/usr/bin/env bash
# Two screens and a window manager: Start on the right screen types there,
# with the picture centred for each screen's own size on both; a click on
# the other screen clears the text. The typing screen taken away moves the
# typing to the one left, and a screen brought back shows the picture again
# without disturbing it; F5 shows the next picture on both. Unlocked, Esc
# leaves at once and the window manager's Alt+F4 closes the canvas, as with
# one screen.
source "$(dirname "$0")/lib.sh"
start_on_two_screens
make_picture 400 200 "$WORK/pictures/smaller.bmp"
launcher_to_right_screen
click_start
wait_screen region 1124 100 600 400 0 0  # centred on 800 x 600
check region 212 184 600 400 0 0         # centred on 1024 x 768
check colour 0 0 212 184 0 0 0
type_text 'Hi'
wait_screen glyphs Hi 1024 0
click_at 100 600  # on the left screen
wait_screen colour 1024 0 64 31 0 0 0

type_text 'ab'
wait_screen glyphs ab 1024 0
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

press Escape
wait_screen colour 400 300 1 1 0 0 0
expect_bytes "$(text_file)" 'HiabZqx\r\n'
click_start
wait_screen region 1224 200 400 200 0 0  # the picture shown last, typed on the right
check region 312 284 400 200 0 0
keyboard_held && fail "an unlocked canvas holds the keyboard"
press alt+F4
wait_screen colour 400 300 1 1 0 0 0

#!/usr/bin/env bash
# Real keys and clicks on the canvas, checked pixel for pixel: letters over
# the picture with the cursor mark, Backspace, F5 and the arrows, a click, Esc
# and the typed text in the file; then the same letters at two device pixels
# per logical pixel. What each key does is the widget tests' to prove.
source "$(dirname "$0")/lib.sh"
setup
use_test_letters
make_picture 1100 800 "$WORK/pictures/big.bmp"
make_picture 300 200 "$WORK/pictures/small.bmp"
start_program "$WORK/pictures/big.bmp"
wait_launcher
click_start
wait_screen region 0 0 1024 768 0 0  # larger than the screen: its top-left part
type_text 'Ab7.,?'
press BackSpace
type_text 'Zq'
wait_screen glyphs 'Ab7.,Zq' 0 0
check region 224 0 32 31 224 0
check colour 232 31 1 1 23 224 127  # the cursor mark: the picture's inverse
press F5  # the next picture in name order, centred on black
wait_screen region 362 284 300 200 0 0
check colour 0 0 1024 284 0 0 0
press F4 shift+Right Down Down
wait_screen region 0 0 1024 768 50 10
type_text abcd
click_at 600 500
wait_screen region 0 0 1024 768 50 10
press Escape
wait_screen colour 600 500 1 1 0 0 0
expect_bytes "$(text_file)" 'Ab7.,Zqabcd\r\n'

kill -9 "$PROGRAM_PID"
wait_exit
QT_SCALE_FACTOR=2 start_program "$WORK/pictures/big.bmp"
wait_launcher
answer n  # the text left by the killed run
click_start
wait_screen region 1000 700 24 68 1000 700
type_text 'Hi!'
wait_screen glyphs 'Hi!' 0 0
check region 96 0 928 31 96 0

#!/usr/bin/env bash
# Real keys on the canvas, checked pixel for pixel: letters over the picture
# with the cursor mark, Backspace, Esc and the typed text in the file; then
# the same letters at two device pixels per logical pixel. What each key
# does, the arrows and F-keys among them, is the widget tests' to prove.
source "$(dirname "$0")/lib.sh"
setup
use_test_letters
make_picture 1100 800 "$WORK/pictures/big.bmp"
start_program "$WORK/pictures/big.bmp"
wait_launcher
click_start
wait_screen region 0 0 1024 768 38 16  # larger than the screen: its middle
type_text 'Ab7.,?'
press BackSpace
type_text 'Zq'
wait_screen glyphs 'Ab7.,Zq' 0 0
check region 224 0 32 31 262 16
check colour 232 31 1 1 241 208 119  # the cursor mark: the picture's inverse
press Escape
wait_screen colour 600 500 1 1 0 0 0
expect_bytes "$(text_file)" 'Ab7.,Zq\r\n'

kill -9 "$PROGRAM_PID"
wait_exit
QT_SCALE_FACTOR=2 start_program "$WORK/pictures/big.bmp"
wait_launcher
answer n  # the text left by the killed run
click_start
wait_screen region 1000 700 24 68 1038 716  # still one picture pixel per device pixel
type_text 'Hi!'
wait_screen glyphs 'Hi!' 0 0 2  # a letter's pixel is 2 x 2, its cell 64 x 64
check region 192 0 832 62 230 16

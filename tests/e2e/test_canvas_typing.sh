#!/usr/bin/env bash
# Typed letters land on the picture pixel for pixel, Backspace erases, a
# full line wraps, and Esc returns to the launcher.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 1024x768
use_test_letters
mkdir -p "$WORK/pictures"
# Larger than the screen: its top-left part covers it.
make_picture 1100 800 "$WORK/pictures/big.bmp"

start_canvas "$WORK/pictures/big.bmp"
wait_pixel 1023 767 "$(pattern_rgb 1023 767)"
screen=$(shot start)
check region "$screen" 0 0 1024 768 0 0 1100 800

type_text 'Ab7.,?'
press BackSpace
type_text 'Zq'
sleep 0.3
screen=$(shot typed)
check glyphs "$screen" 'Ab7.,Zq' 0 0
check clean_cell "$screen" 224 0 224 0

# The line holds 32 letters; the 33rd starts the next one.
type_text 'xxxxxxxxxxxxxxxxxxxxxxxxx'
type_text 'y'
sleep 0.3
screen=$(shot wrapped)
check glyphs "$screen" 'x' 992 0
check glyphs "$screen" 'y' 0 32
# The cursor mark: the inverse of the background under the next cell.
mark=$(pixel_at "$WORK/wrapped.png" 40 63)
[[ $mark == "$((255 - 40)),$((255 - 63)),$((255 - 128))" ]] || fail "cursor mark under (32, 32) is $mark"

press Return
type_text 'k'
press BackSpace BackSpace BackSpace
sleep 0.3
screen=$(shot back)
check glyphs "$screen" 'Ab7.,Zq' 0 0
check clean_cell "$screen" 0 32 0 32

press Escape
sleep 0.5
window=$(wait_window "Pictype Viewer")
screen=$(shot after)
# The canvas is gone: the bare screen again where the picture was.
[[ $(pixel_at "$WORK/after.png" 500 400) != "$(pattern_rgb 500 400)" ]] || fail "the canvas is still shown"
[[ $(pixel_at "$WORK/after.png" 20 20) != "0,0,0" ]] || fail "the launcher is not drawn"
close_launcher_discarding_work "$window"
e2e_pass

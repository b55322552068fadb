#!/usr/bin/env bash
# At two device pixels per logical pixel the canvas still covers the screen
# in device pixels, and each glyph pixel lands on exactly one screen pixel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 1024x768
export QT_SCALE_FACTOR=2
use_test_letters
mkdir -p "$WORK/pictures"
make_picture 1100 800 "$WORK/pictures/big.bmp"

start_canvas "$WORK/pictures/big.bmp"
wait_pixel 1023 767 "$(pattern_rgb 1023 767)"
type_text 'Hi!'
sleep 0.3
screen=$(shot typed)
check glyphs "$screen" 'Hi!' 0 0
check clean_cell "$screen" 96 0 96 0
check region "$screen" 128 32 896 736 128 32 1100 800

press Escape
launcher=$(wait_window "Pictype Viewer")
close_launcher_discarding_work "$launcher"
e2e_pass

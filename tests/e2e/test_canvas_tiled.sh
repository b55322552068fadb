#!/usr/bin/env bash
# A tiled picture repeats from the top-left corner exactly, clicks and
# Esc behave as with a centred one.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 1024x768
use_test_letters
mkdir -p "$WORK/pictures"
make_picture 300 200 "$WORK/pictures/tile.bmp"
printf '"","",#FALSE#,0\r\n' >"$PROGRAM_DIR/pictype.ini"

start_canvas "$WORK/pictures/tile.bmp"
# Columns at 0, 300, 600, 900 and rows at 0, 200, 400, 600.
wait_pixel 900 600 "$(pattern_rgb 0 0)"
screen=$(shot tiled)
check region "$screen" 0 0 1024 768 0 0 300 200

type_text 'Tiles'
press Down Right
sleep 0.3
screen=$(shot moved)
# Arrows clear the text but do not move tiles.
check region "$screen" 0 0 1024 768 0 0 300 200

press Escape
launcher=$(wait_window "Pictype Viewer")
sleep 0.3
screen=$(shot launcher)
[[ $(pixel_at "$WORK/launcher.png" 1000 700) == "0,0,0" ]] || fail "the canvas is still shown"
close_launcher_discarding_work "$launcher"
e2e_pass

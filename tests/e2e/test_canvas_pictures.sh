#!/usr/bin/env bash
# A centred picture at its exact place, F5/F4 through the
# folder in name order with each picture's position kept, arrows panning,
# F3 time lines, F6 and a click clearing the letters.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 1024x768
use_test_letters
mkdir -p "$WORK/pictures"
make_picture 301 200 "$WORK/pictures/Middle.bmp"
make_picture 2000 1500 "$WORK/pictures/large.bmp"
make_picture 300 200 "$WORK/pictures/small.bmp"

start_canvas "$WORK/pictures/Middle.bmp"
# x = (1024 - 301) / 2 = 361, y = (768 - 200) / 2 = 284
wait_pixel 361 284 "$(pattern_rgb 0 0)"
screen=$(shot centred)
check region "$screen" 361 284 301 200 0 0 301 200
check colour "$screen" 0 0 1024 284 0 0 0
check colour "$screen" 0 284 361 200 0 0 0
check colour "$screen" 662 284 362 200 0 0 0
check colour "$screen" 0 484 1024 284 0 0 0

# F5: the next picture in name order (large, small, then Middle again).
press F5
wait_pixel 0 0 "$(pattern_rgb 0 0)"
press shift+Right Down Down
wait_pixel 0 0 "$(pattern_rgb 50 10)"
screen=$(shot panned)
check region "$screen" 0 0 1024 768 50 10 2000 1500
press F5
# The small picture centred: x = (1024 - 300) / 2, y = (768 - 200) / 2; the
# margins are black again, nothing of the larger picture is left.
wait_pixel 362 284 "$(pattern_rgb 0 0)"
screen=$(shot next)
check colour "$screen" 0 0 1024 284 0 0 0
press F4
wait_pixel 0 0 "$(pattern_rgb 50 10)"
screen=$(shot back)
check region "$screen" 0 0 1024 768 50 10 2000 1500

# Three time lines stack down the left edge; F6 removes them, and letters.
press F3 F3 F3
sleep 0.3
screen=$(shot times)
# Each line is about 20 pixels high at the left edge; nothing elsewhere.
(($(canvas_py yellow "$screen" 0 0 300 12) > 0)) || fail "no first time line"
(($(canvas_py yellow "$screen" 0 44 300 12) > 0)) || fail "no third time line"
(($(canvas_py yellow "$screen" 0 100 1024 668) == 0)) || fail "time text below the third line"
(($(canvas_py yellow "$screen" 400 0 624 100) == 0)) || fail "time text far from the left edge"
type_text 'ab'
press F6
sleep 0.3
screen=$(shot cleared)
check region "$screen" 0 0 1024 768 50 10 2000 1500

type_text 'abc'
sleep 0.2
click_at 600 500
sleep 0.3
screen=$(shot clicked)
check region "$screen" 0 0 1024 768 50 10 2000 1500
type_text 'q'
sleep 0.3
screen=$(shot after_click)
check glyphs "$screen" 'q' 0 0

# Esc: the launcher is in front again and the canvas gone.
press Escape
launcher=$(wait_window "Pictype Viewer")
sleep 0.3
screen=$(shot launcher)
[[ $(pixel_at "$WORK/launcher.png" 600 500) == "0,0,0" ]] || fail "the canvas is still shown"
close_launcher_discarding_work "$launcher"
e2e_pass

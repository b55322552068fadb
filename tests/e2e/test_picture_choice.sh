#!/usr/bin/env bash
# Pictures as people have them: one chosen with Background Picture... opens
# centred on black; a photo larger than the screen, given by a path relative
# to the folder the user is in, shows its middle; a JPEG turned by its EXIF
# orientation, under a name that is not UTF-8, shows upright.
source "$(dirname "$0")/lib.sh"
setup
use_test_letters
make_picture 301 200 "$WORK/pictures/middle.bmp"
start_program
wait_launcher
click_in "$LAUNCHER" 72 52
in_dialog Open "$WORK/pictures/middle.bmp"
wait_for "the dialog to close" eval '! xdotool search --onlyvisible --name "^Open$"'
click_start
wait_screen region 361 284 301 200 0 0  # (1024 - 301) / 2, (768 - 200) / 2
press Escape
close_window "$LAUNCHER"
wait_exit

make_picture 2500 1800 "$WORK/pictures/photo.png"
start_program_in "$WORK/pictures" photo.png
wait_launcher
click_start
wait_screen region 0 0 1024 768 738 516  # (2500 - 1024) / 2, (1800 - 768) / 2
press Escape
close_window "$LAUNCHER"
wait_exit

# Red left, blue right when upright; stored turned a quarter anticlockwise.
turned=$WORK/pictures/$'gedreht-\xe9.jpg'
convert -size 100x100 xc:red -size 100x100 xc:blue +append -rotate -90 "$turned"
pixels orient "$turned" 6
start_program "$turned"
wait_launcher
click_start
wait_screen near 432 384 255 0 0  # 200 x 100 at (412, 334); outside when not turned
check near 592 384 0 0 255

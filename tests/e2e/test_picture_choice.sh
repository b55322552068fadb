#!/usr/bin/env bash
# A picture chosen with Background Picture... opens with Start, centred on
# black margins, and is remembered.
source "$(dirname "$0")/lib.sh"
setup
use_test_letters
make_picture 301 200 "$WORK/pictures/middle.bmp"
start_program
wait_launcher
click_in "$LAUNCHER" 72 52
dialog=$(xdotool search --sync --onlyvisible --name "^Open$" | head -n 1)
focus "$dialog"
type_text "$WORK/pictures/middle.bmp"
press Return
click_start
# x = (1024 - 301) / 2, y = (768 - 200) / 2
wait_screen region 361 284 301 200 0 0
check colour 0 0 1024 284 0 0 0
check colour 0 284 361 200 0 0 0
check colour 662 284 362 200 0 0 0
press Escape
close_window "$LAUNCHER"
wait_exit
expect_bytes "$PROGRAM_DIR/pictype.ini" "\"$WORK/pictures/middle.bmp\",\"E2E.txt\",#TRUE#,0\r\n"

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
focus "$(xdotool search --sync --onlyvisible --name "^Open$" | head -n 1)"
type_text "$WORK/pictures/middle.bmp"
press Return
wait_for "the dialog to close" eval '! xdotool search --onlyvisible --name "^Open$"'
click_start
wait_screen region 361 284 301 200 0 0  # (1024 - 301) / 2, (768 - 200) / 2
press Escape
close_window "$LAUNCHER"
wait_exit
expect_bytes "$PROGRAM_DIR/pictype.ini" "\"$WORK/pictures/middle.bmp\",\"E2E.txt\",#TRUE#,0\r\n"

#!/usr/bin/env bash
# The program killed hard in the middle of typing: everything the 501st
# key flushed is in the temporary text file, whole, and nothing else is
# left beside it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 640x480
use_test_letters
make_picture 640 480 "$WORK/p.bmp"

before=$(ls -A "$PROGRAM_DIR")
start_canvas "$WORK/p.bmp"
wait_pixel 600 400 "$(pattern_rgb 600 400)"

sentence='the quick brown fox jumps over the lazy dog '
flushed=''
while ((${#flushed} < 501)); do flushed+=$sentence; done
flushed=${flushed:0:501}
xdotool type --delay 12 -- "$flushed"
wait_for "the flush of the 501st key" compgen -G "$PROGRAM_DIR/~*" >/dev/null
log=$(compgen -G "$PROGRAM_DIR/~*")
# More typing that no flush has reached yet, then the kill.
type_text 'unsaved words'
kill -9 "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=

assert_file_bytes "$log" "$flushed\r\n"
assert_eq "$(ls -A "$PROGRAM_DIR")" "$(printf '%s\n' $before "$(basename "$log")" | sort)" \
  "the program folder after the kill"
e2e_pass

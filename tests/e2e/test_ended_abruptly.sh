#!/usr/bin/env bash
# Killed hard, the program loses at most the last second typed, and the next
# start offers the text left over; ended by SIGTERM, it writes everything and
# its settings and ends with status 0.
source "$(dirname "$0")/lib.sh"
setup
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
before=$(ls -A "$PROGRAM_DIR")
start_program "$WORK/pictures/plain.bmp"
wait_launcher
open_canvas
type_text 'kept words'
expect_bytes "$(text_file)" 'kept words\r\n'  # a second after the last key
kill -9 "$PROGRAM_PID"
wait_exit
expect_bytes "$(text_file)" 'kept words\r\n'
expect "$(ls -A "$PROGRAM_DIR" | grep -v '^~')" "$before" "the program folder"

start_program "$WORK/pictures/plain.bmp"
wait_launcher
answer n  # offered: No deletes it
[[ -z $(compgen -G "$PROGRAM_DIR/~*") ]] || fail "the leftover is still there"

open_canvas
type_text 'to the end'
wait_screen glyphs 'to the end' 0 0
kill -TERM "$PROGRAM_PID"
wait_exit
expect "$STATUS" 0 "exit status after SIGTERM"
expect_bytes "$(text_file)" 'to the end\r\n'
expect_bytes "$PROGRAM_DIR/pictype.ini" "\"$WORK/pictures/plain.bmp\",\"E2E.txt\",#TRUE#,0\r\n"

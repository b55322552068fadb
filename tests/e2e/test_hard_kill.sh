#!/usr/bin/env bash
# The 501st key writes everything typed so far to the typed-text file; a
# program killed hard afterwards leaves that text whole, and nothing
# half-written beside it.
source "$(dirname "$0")/lib.sh"
setup
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
before=$(ls -A "$PROGRAM_DIR")
start_program "$WORK/pictures/plain.bmp"
wait_launcher
click_start
wait_screen region 1000 700 24 68 1000 700
typed=$(printf 'The quick brown fox jumps over the lazy dog, 1234567890! %.0s' {1..9})
xdotool type --delay 12 -- "${typed:0:250}"
press Return
xdotool type --delay 12 -- "${typed:250:249}"
# 500 keys with the Enter: the last letter is on the screen, nothing written yet.
wait_screen glyphs "${typed:498:1}" $((24 * 32)) $((15 * 32))
[[ -z $(compgen -G "$PROGRAM_DIR/~*") ]] || fail "a file was written before the 501st key"
type_text Z
expect_bytes "$(text_file)" "${typed:0:250} \\r\\n${typed:250:249}Z\\r\\n"
type_text after
kill -9 "$PROGRAM_PID"
wait_exit
expect_bytes "$(text_file)" "${typed:0:250} \\r\\n${typed:250:249}Z\\r\\n"
expect "$(ls -A "$PROGRAM_DIR" | grep -v '^~')" "$before" "the program folder"

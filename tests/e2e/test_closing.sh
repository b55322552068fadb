#!/usr/bin/env bash
# Closing with typed text: Append to Clipboard after what another program left
# on the X clipboard; the launcher closed with the canvas up closes the canvas
# first, Esc on the save question keeps everything, and the name given in the
# save dialog gets exactly the typed text.
source "$(dirname "$0")/lib.sh"
setup
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
printf 'abc' | xclip -selection clipboard -i
start_program "$WORK/pictures/plain.bmp"
wait_launcher
open_canvas
type_text 'Hi there'
press Return
type_text 'Bye'
press Escape
work='Hi there \r\nBye\r\n'
expect_bytes "$(text_file)" "$work"
click_in "$LAUNCHER" 72 180  # Append to Clipboard
clipboard_holds() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]; }
wait_for "the text on the clipboard" clipboard_holds $'abc Hi there \r\nBye'
open_canvas
type_text 'more'
wait_screen glyphs more 0 0
close_window "$LAUNCHER"  # with the canvas up
answer Escape
work='Hi there \r\nBye more\r\n'
expect_bytes "$(text_file)" "$work"
close_window "$LAUNCHER"
answer y
in_dialog 'Save As' "$WORK/notes"
wait_exit
expect "$STATUS" 0 "exit status"
expect_bytes "$WORK/notes" "$work"
[[ -z $(compgen -G "$PROGRAM_DIR/~*") ]] || fail "the typed-text file was left behind"

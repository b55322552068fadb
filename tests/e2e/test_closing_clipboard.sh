#!/usr/bin/env bash
# The clipboard buttons hand the typed text to the real X clipboard: Append
# adds it after one space to what another program put there, Move replaces
# the clipboard and greys itself out until the next Start, and Append with
# nothing typed since adds just the space.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 1024x768
use_test_letters
mkdir -p "$WORK/pictures"
make_picture 1024 768 "$WORK/pictures/plain.bmp"

# The text another program left on the clipboard; xclip keeps serving it
# until someone else takes the clipboard over.
printf 'abc' | xclip -selection clipboard -i
wait_clipboard 'abc'

move=(72 124) append=(72 156)
move_button_dark_pixels() {
  screenshot_window "$LAUNCHER" "$WORK/launcher.png"
  dark_pixels "$WORK/launcher.png" 19 115 107 19
}
type_on_canvas() {
  wait_pixel 1023 767 "$(pattern_rgb 1023 767)"
  type_text "$1"
  press Escape
  wait_pixel_not 1023 767 "$(pattern_rgb 1023 767)"
}

start_canvas "$WORK/pictures/plain.bmp"
type_on_canvas 'def'
click_in_window "$LAUNCHER" "${append[@]}"
wait_clipboard 'abc def'

click_start "$LAUNCHER"
type_on_canvas 'Gh i'
(($(move_button_dark_pixels) > 50)) || fail "Move to Clipboard is not enabled after Start"
click_in_window "$LAUNCHER" "${move[@]}"
wait_clipboard 'Gh i'
assert_eq "$(move_button_dark_pixels)" 0 "dark caption pixels of Move to Clipboard after a move"
# A click on the greyed button changes nothing.
click_in_window "$LAUNCHER" "${move[@]}"
wait_clipboard 'Gh i'
click_in_window "$LAUNCHER" "${append[@]}"
wait_clipboard 'Gh i '

# The file keeps everything, whatever went to the clipboard.
assert_file_bytes "$(temp_text_file)" 'def Gh i\r\n'
close_launcher_discarding_work "$LAUNCHER"
e2e_pass

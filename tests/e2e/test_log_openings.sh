#!/usr/bin/env bash
# What is typed over several openings of the canvas collects in the
# temporary file byte for byte: openings joined by one space, Enter as a
# space and a line end, no space after a line end, one space for an empty
# opening after text and none for the next; the same text reaches the
# clipboard.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 1024x768
use_test_letters
mkdir -p "$WORK/pictures"
make_picture 1024 768 "$WORK/pictures/plain.bmp"

start_canvas "$WORK/pictures/plain.bmp"
canvas_shown() { wait_pixel 1023 767 "$(pattern_rgb 1023 767)"; }
# One opening of the canvas: type, then Esc, and wait for the file.
opening() {
  local keys=$1 expected=$2
  if [[ -n $keys ]]; then type_text "$keys"; fi
  press Escape
  wait_pixel_not 1023 767 "$(pattern_rgb 1023 767)"
  wait_file_bytes "$(wait_temp_text_file)" "$expected"
}

canvas_shown
opening 'ab' 'ab\r\n'
click_start "$LAUNCHER"
canvas_shown
opening 'cd' 'ab cd\r\n'
click_start "$LAUNCHER"
canvas_shown
type_text 'Ef'
press Return
opening '' 'ab cd Ef \r\n\r\n'
click_start "$LAUNCHER"
canvas_shown
opening 'g' 'ab cd Ef \r\ng\r\n'
click_start "$LAUNCHER"
canvas_shown
opening '' 'ab cd Ef \r\ng \r\n'
click_start "$LAUNCHER"
canvas_shown
opening '' 'ab cd Ef \r\ng \r\n'
file=$(temp_text_file)

# The clipboard gets the same text, without the file's final line end.
click_in_window "$LAUNCHER" 72 124
wait_clipboard 'ab cd Ef \r\ng '
close_launcher_discarding_work "$LAUNCHER"
[[ ! -e $file ]] || fail "No kept the typed-text file"
e2e_pass

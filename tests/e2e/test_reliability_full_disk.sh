#!/usr/bin/env bash
# The disk fills up between two flushes (a file-size limit of 600 bytes
# stands in for it): the first flush writes its 501 characters, the second
# cannot and says "Please Close out.txt", and neither it nor the close-out
# that follows harms what the first one saved.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
source "$(dirname "$0")/reliability_lib.sh"
e2e_setup 640x480
# A letter set of 95 empty glyphs, small enough (570 bytes) to be extracted
# under the limit.
rm -f "$PROGRAM_DIR"/[Ll]etters.zip
python3 -c 'import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w") as z: z.writestr("Empty.txt", "\"\",0\r\n" * 95)' \
  "$PROGRAM_DIR/letters.zip"
make_picture 640 480 "$WORK/p.bmp"

# The program only: Xvfb and the checks write as much as they like.
start_program() {
  (cd "$PROGRAM_DIR" && exec prlimit --fsize=600 ./pictype-viewer "$@") >"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
}
start_canvas "$WORK/p.bmp"
wait_pixel 600 400 "$(pattern_rgb 600 400)"

first=$(keys_501 'first words ')
xdotool type --delay 12 -- "$first"
wait_for "the first flush" compgen -G "$PROGRAM_DIR/~*" >/dev/null
log=$(compgen -G "$PROGRAM_DIR/~*")
assert_file_bytes "$log" "$first\r\n"
windows=$(program_windows)
assert_no_new_window "$windows" "a message came up although the first flush fitted"

xdotool type --delay 12 -- "$(keys_501 'second words ')"
dismiss_message "$(wait_new_window "$windows")" "$windows"
# Esc: closing the canvas out cannot write either, and says nothing.
press Escape
sleep 1
windows=$(program_windows)
[[ $windows == "$LAUNCHER" ]] || fail "closing the canvas out left windows up: $windows"
kill -0 "$PROGRAM_PID" || fail "the program ended"

assert_file_bytes "$log" "$first\r\n"
leftovers=$(cd "$PROGRAM_DIR" && ls -A | grep -F "$(basename "$log")." || true)
assert_eq "$leftovers" "" "half-written files beside the log"
e2e_pass

#!/usr/bin/env bash
# The 501st key writes everything typed so far, itself included, to the
# temporary file; a program killed hard afterwards leaves that text whole.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 1024x768
use_test_letters
mkdir -p "$WORK/pictures"
make_picture 1024 768 "$WORK/pictures/plain.bmp"

before=$(ls -A "$PROGRAM_DIR")
start_canvas "$WORK/pictures/plain.bmp"
wait_pixel 1023 767 "$(pattern_rgb 1023 767)"

# 500 keys, Enter among them, stay in memory only: 499 letters, Enter
# after the 250th.
block='The quick brown fox jumps over the lazy dog, 1234567890!'
typed=''
for _ in {1..9}; do typed+=$block; done
typed=${typed:0:499}
type_text "${typed:0:250}"
press Return
type_text "${typed:250}"
typed="${typed:0:250} \r\n${typed:250}"
# The last letter shows on the screen once every key has been handled. With
# 32 cells to a line, 250 letters fill seven lines and 26 cells of the
# eighth; the 249 after Enter fill seven more and 25 cells of the next.
cell_x=$((24 * 32)) cell_y=$(((8 + 7) * 32))
letter_shown() { canvas_py glyphs "$(shot typed)" "${typed: -1}" "$cell_x" "$cell_y" >/dev/null; }
wait_for "the 500th letter" letter_shown
[[ -z $(temp_text_file) ]] || fail "a file was written before the 501st key"

type_text 'Z'
file=$(wait_temp_text_file)
wait_file_bytes "$file" "${typed}Z\r\n"

# More keys after the flush are in memory only when the program dies.
type_text 'after'
kill -9 "$PROGRAM_PID"
wait_program_exit
assert_eq "$EXIT_STATUS" 137 "exit status of the killed program"
assert_file_bytes "$file" "${typed}Z\r\n"
# Nothing half-written is left beside it.
assert_eq "$(ls -A "$PROGRAM_DIR" | grep -vxF "${file##*/}")" "$before" "program folder"
e2e_pass

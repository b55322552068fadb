#!/usr/bin/env bash
# Closing the launcher after typing asks whether to save the work. An
# existing name in the real save dialog is refused and both files stay as
# they were; cancelling the dialog keeps the work and the launcher; a new
# name gets exactly the typed text and no temporary file is left behind.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 1024x768
use_test_letters
mkdir -p "$WORK/pictures" "$WORK/saved"
make_picture 1024 768 "$WORK/pictures/plain.bmp"
existing=$WORK/saved/kept.txt
write_file_bytes "$existing" 'an earlier text\r\n'

start_canvas "$WORK/pictures/plain.bmp"
wait_pixel 1023 767 "$(pattern_rgb 1023 767)"
type_text 'Hi there'
press Return
type_text 'Bye'
press Escape
work='Hi there \r\nBye\r\n'
temp=$(wait_temp_text_file)
wait_file_bytes "$temp" "$work"

# Closes the launcher and answers Yes; prints the save dialog's id.
close_and_save() {
  close_window "$LAUNCHER"
  answer_message "$LAUNCHER" y
  shows_text "$WORK/message.png" 0 0 "$WIN_W" "$WIN_H" "Do you want to save your work?" ||
    fail "the question is not shown"
  shows_text "$WORK/message.png" 0 0 "$WIN_W" "$WIN_H" "Clicking No will delete the temporary file." ||
    fail "the question does not say that No deletes the file"
  local dialog
  dialog=$(wait_window "Save As")
  focus_window "$dialog"
  echo "$dialog"
}
# Types a full path into the dialog's file name field and presses Enter.
save_as() {
  local dialog=$1
  type_text "$2"
  press Return
  wait_window_closed "$dialog"
}

dialog=$(close_and_save)
save_as "$dialog" "$existing"
answer_message "$LAUNCHER" Return
shows_text "$WORK/message.png" 0 0 "$WIN_W" "$WIN_H" "Pick a file name that doesn't exist" ||
  fail "the refusal does not ask for another name"
assert_file_bytes "$existing" 'an earlier text\r\n'
assert_file_bytes "$temp" "$work"

# Cancelled: the launcher stays, and the next close asks again.
dialog=$(close_and_save)
press Escape
wait_window_closed "$dialog"
dialog=$(close_and_save)
assert_file_bytes "$temp" "$work"
save_as "$dialog" "$WORK/saved/notes"
wait_program_exit
assert_eq "$EXIT_STATUS" 0 "exit status"
# Exactly the name typed: no extension is added.
assert_file_bytes "$WORK/saved/notes" "$work"
assert_eq "$(temp_text_file)" "" "typed-text file left in the program folder"
assert_file_bytes "$existing" 'an earlier text\r\n'
assert_file_bytes "$PROGRAM_DIR/pictype.ini" "\"$WORK/pictures/plain.bmp\",\"E2E.txt\",#TRUE#,0\r\n"
e2e_pass

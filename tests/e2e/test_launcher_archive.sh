#!/usr/bin/env bash
# Without letters.zip the program says why it cannot run and ends at once,
# saving nothing; the archive is found whatever the letter case of its name.
source "$(dirname "$0")/lib.sh"
e2e_setup

rm "$PROGRAM_DIR/letters.zip"
start_program
box=$(wait_window "Pictype Viewer")
window_geometry "$box"
[[ "${WIN_W}x${WIN_H}" != 297x349 ]] || fail "the launcher came up without its archive"
assert_eq "$(xdotool getwindowname "$box")" "Pictype Viewer" "message box title"
shot=$WORK/message.png
message_shown() {
  screenshot_window "$box" "$shot"
  shows_text "$shot" 0 0 "$WIN_W" "$WIN_H" "Pictype Viewer won't run without unzip32.dll or letters.zip"
}
wait_for "the message box to show why the program cannot run" message_shown
focus_window "$box"
press Return
wait_program_exit
((EXIT_STATUS != 0)) || fail "the program ended with status 0 after refusing to run"
[[ ! -e $PROGRAM_DIR/pictype.ini ]] || fail "pictype.ini was written by a run that refused to start"

# Letters.ZIP is the archive too.
cp "$PICTYPE_PROGRAM_DIR/letters.zip" "$PROGRAM_DIR/Letters.ZIP"
start_program
window=$(wait_window "Pictype Viewer")
shot=$WORK/launcher.png
letter_set_listed() {
  screenshot_window "$window" "$shot"
  (($(dark_pixels "$shot" 169 89 60 13 60) > 0))
}
wait_for "the letter set listed in List1" letter_set_listed
close_window "$window"
wait_program_exit
assert_eq "$EXIT_STATUS" 0 "exit status"
assert_file_bytes "$PROGRAM_DIR/pictype.ini" '"","",#TRUE#,0\r\n'
e2e_pass

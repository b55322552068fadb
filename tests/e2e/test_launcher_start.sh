#!/usr/bin/env bash
# The launcher comes up with its caption, and closing it writes the settings.
source "$(dirname "$0")/lib.sh"
e2e_setup

start_program
window=$(wait_window "Pictype Viewer")
sleep 0.5
screenshot "$WORK/launcher.png"
# The window stands at the top-left of a bare X server; its button face is not black.
[[ $(pixel_at "$WORK/launcher.png" 20 20) != "0,0,0" ]] || fail "the launcher is not drawn"

close_window "$window"
wait_program_exit
assert_eq "$EXIT_STATUS" 0 "exit status"
# Nothing was started, so no letter set was fixed yet.
assert_file_bytes "$PROGRAM_DIR/pictype.ini" '"","",#TRUE#,0\r\n'
e2e_pass

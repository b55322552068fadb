#!/usr/bin/env bash
# A program folder that cannot be written: the launcher and the canvas work,
# typed text cannot be flushed there ("Please Close out.txt"), and closing
# the launcher reports that the settings cannot be written and ends the
# program with a failure status, leaving the old settings file as it was.
# The folder is made read-only by a read-only bind mount in a mount
# namespace of the program's own (permission bits do not stop root).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
source "$(dirname "$0")/reliability_lib.sh"
e2e_setup 640x480
use_test_letters
make_picture 640 480 "$WORK/p.bmp"
settings='"","E2E.txt",#FALSE#,0\r\n'
write_file_bytes "$PROGRAM_DIR/pictype.ini" "$settings"

probe=$WORK/probe
mkdir -p "$probe"
unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" && ! touch "$1/x" 2>/dev/null' \
  sh "$probe" 2>/dev/null || e2e_skip "no read-only bind mounts here"

start_program() {
  (cd "$PROGRAM_DIR" &&
    exec unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" && cd "$1" && shift && exec ./pictype-viewer "$@"' \
      sh "$PROGRAM_DIR" "$@") >"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
}
start_canvas "$WORK/p.bmp"
wait_pixel 600 400 "$(pattern_rgb 600 400)"

text=$(keys_501 'read only ')
windows=$(program_windows)
xdotool type --delay 12 -- "${text:0:500}"
assert_no_new_window "$windows" "a message came up before the 501st key"
type_text "${text:500}"
dismiss_message "$(wait_new_window "$windows")" "$windows"
press Escape
sleep 1

windows=$(program_windows)
close_window "$LAUNCHER"
report=$(wait_new_window "$windows")
focus_window "$report"
press Return
wait_program_exit
assert_eq "$EXIT_STATUS" 1 "exit status after the failed settings write"
assert_file_bytes "$PROGRAM_DIR/pictype.ini" "$settings"
[[ -z $(compgen -G "$PROGRAM_DIR/~*") ]] || fail "a typed-text file appeared in the read-only folder"
e2e_pass

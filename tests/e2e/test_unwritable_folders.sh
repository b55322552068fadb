#!/usr/bin/env bash
# As an unprivileged user whose program folder is not theirs, settings and
# text go to the user's folders without a word, status 0. With that disk full
# (a one-page memory disk), one message says so, typing goes on, and the save
# question at the close saves everything elsewhere.
source "$(dirname "$0")/lib.sh"
setup
[[ $(id -u) == 0 ]] && unshare -m true 2>/dev/null || { echo "[$NAME] skipped: needs root"; exit 77; }
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
user=$WORK/user
mkdir -p "$user/state" "$user/runtime" "$user/temp" "$WORK/out"
chown -R nobody "$user" "$WORK/out"
chmod 700 "$user/runtime"
chmod 755 "$WORK" "$WORK/pictures"
export HOME=$user XDG_CONFIG_HOME=$user/config XDG_STATE_HOME=$user/state \
  XDG_RUNTIME_DIR=$user/runtime TEMP=$user/temp
start_program() {
  (cd "$PROGRAM_DIR" && exec unshare -m sh -c 'mount -t tmpfs -o size=4k,uid=65534,mode=700 \
    tmpfs "$1" && exec setpriv --reuid=nobody --regid=nogroup --clear-groups ./pictype-viewer "$2"' \
    sh "$XDG_STATE_HOME" "$WORK/pictures/plain.bmp") >>"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
}
start_program
wait_launcher
open_canvas
type_text 'first'
# Written: the disk's one page is taken. (The disk is in the program's own mount namespace.)
expect_bytes "$(text_file "/proc/$PROGRAM_PID/root$XDG_STATE_HOME/pictype-viewer")" 'first\r\n'
expect "$(windows)" "$LAUNCHER" "the windows before the disk is full"
type_text ' second'
new_window "$LAUNCHER" >/dev/null  # the message that says so
type_text ' third'
wait_screen glyphs 'first second third' 0 0
press Escape
wait_screen colour 1000 700 1 1 0 0 0
before=$(windows)
close_window "$LAUNCHER"
focus "$(new_window "$before")"
press y
in_dialog 'Save As' "$WORK/out/saved.txt"
wait_exit
expect "$STATUS" 0 "exit status"
expect_bytes "$WORK/out/saved.txt" 'first second third\r\n'
expect_bytes "$XDG_CONFIG_HOME/pictype-viewer/pictype.ini" "\"$WORK/pictures/plain.bmp\",\"E2E.txt\",#TRUE#,0\r\n"
expect "$(ls -A "$PROGRAM_DIR" | grep -c '^~\|pictype.ini')" 0 "files written into the program folder"

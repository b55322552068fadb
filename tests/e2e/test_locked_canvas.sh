#!/usr/bin/env bash
# Lock, ticked with Alt+L, on two screens under a window manager: the
# window manager's shortcuts and its close request do not end the canvas,
# keys type as usual, a click on the other screen still clears, a short Esc
# does nothing and Esc held down for longer than three seconds leaves. The
# choice is kept in pictype-viewer.conf for the next start, pictype.ini keeps
# its four fields.
source "$(dirname "$0")/lib.sh"
start_on_two_screens
activate "$LAUNCHER"
# Ticked, the key help's first line says to hold Esc.
help_line() { import -window "$LAUNCHER" -crop 80x12+16+216 +repage "$WORK/$1.png"; }
help_line before
press alt+l
help_changed() { help_line after && ! compare -metric AE "$WORK"/{before,after}.png null: 2>/dev/null; }
wait_for "Alt+L to tick Lock" help_changed
click_start
wait_screen region 212 184 600 400 0 0
wait_for "the canvas to hold the keyboard" keyboard_held
type_text 'ab'
wait_screen glyphs ab 0 0
canvas=$(xdotool getactivewindow)
press alt+Tab super ctrl+alt+Right alt+F4  # F4 itself steps to the same picture again
close_window "$canvas"
type_text 'cd'
wait_screen glyphs cd 0 0
click_at 1300 500  # on the right screen
wait_screen colour 0 0 64 31 0 0 0
press Escape
type_text 'e'
wait_screen glyphs e 0 0
xdotool keydown Escape
sleep 4
xdotool keyup Escape
wait_screen colour 300 300 1 1 0 0 0
close_window "$LAUNCHER"
answer n  # the typed text is not kept
wait_exit
expect "$STATUS" 0 "exit status"
expect_bytes "$PROGRAM_DIR/pictype-viewer.conf" 'lock=true\n'
start_program
wait_launcher
help_again() { help_line again && compare -metric AE "$WORK"/{after,again}.png null: 2>/dev/null; }
wait_for "Lock ticked at the next start" help_again
expect_bytes "$PROGRAM_DIR/pictype.ini" "\"$WORK/pictures/small.bmp\",\"E2E.txt\",#TRUE#,0\\r\\n"

#!/usr/bin/env bash
# The launcher comes up with its caption and its controls in their start-up
# state, and closing it writes the settings and leaves no typed-text file.
source "$(dirname "$0")/lib.sh"
e2e_setup

start_program
window=$(wait_window "Pictype Viewer")
assert_eq "$(xdotool getwindowname "$window")" "Pictype Viewer" "caption"
window_geometry "$window"
assert_eq "${WIN_W}x${WIN_H}" "297x349" "client area of 4455 x 5235 twips"

# Positions below are the designed ones: twips / 15.
shot=$WORK/launcher.png
key_help_shown() {
  screenshot_window "$window" "$shot"
  [[ $(text_lines "$shot" 16 216 281 97) == 7 ]]
}
wait_for "the seven lines of key help in lblKeys" key_help_shown
assert_eq "$(text_lines "$shot" 16 184 281 25)" 1 "text lines in lblPicture (No picture selected)"
assert_eq "$(text_lines "$shot" 16 328 97 17)" 1 "text lines in lblReadme"

# Move to Clipboard waits for typed text: its caption is greyed, not dark.
assert_eq "$(dark_pixels "$shot" 19 115 107 19)" 0 "dark caption pixels of the disabled btnClip"
(($(dark_pixels "$shot" 19 147 107 19) > 50)) || fail "btnAppend shows no caption"

# Centred is chosen, Tiled and Tinks are not: only one mark is dark.
(($(dark_pixels "$shot" 176 16 16 17) > 0)) || fail "OptCentered is not selected"
assert_eq "$(dark_pixels "$shot" 176 40 16 25)" 0 "dark pixels in OptTiled's mark"
assert_eq "$(dark_pixels "$shot" 16 80 16 17)" 0 "dark pixels in Check1's box"

# The archive's only letter set is listed and selected; the row under it is empty.
selected=$(pixel_at "$shot" 250 94)
empty=$(pixel_at "$shot" 250 150)
[[ $selected != "$empty" ]] || fail "the first line of List1 is not selected"
assert_eq "$(pixel_at "$shot" 250 107)" "$empty" "the second line of List1"
(($(dark_pixels "$shot" 169 89 60 13 60) > 0)) || fail "List1's first line has no text"

close_window "$window"
wait_program_exit
assert_eq "$EXIT_STATUS" 0 "exit status"
# Nothing was started, so no letter set was fixed yet.
assert_file_bytes "$PROGRAM_DIR/pictype.ini" '"","",#TRUE#,0\r\n'
# The typed-text file is named at start-up but only the canvas creates it.
leftovers=$(find "$PROGRAM_DIR" -maxdepth 1 -name '~*')
assert_eq "$leftovers" "" "typed-text files left in the program folder"
e2e_pass

#!/usr/bin/env bash
# The launcher shows the choices remembered in pictype.ini and, when nothing
# is changed, writes the same bytes back; a bad field keeps what came before.
source "$(dirname "$0")/lib.sh"
e2e_setup

picture=$PROGRAM_DIR/pictures/night-sky.bmp
settings=$PROGRAM_DIR/pictype.ini
launcher_shot() {
  local window
  window=$(wait_window "Pictype Viewer")
  shot=$WORK/launcher.png
  launcher_drawn() {
    screenshot_window "$window" "$shot"
    [[ $(text_lines "$shot" 16 216 281 97) == 7 ]]
  }
  wait_for "the launcher to be drawn" launcher_drawn
  close_window "$window"
  wait_program_exit
  assert_eq "$EXIT_STATUS" 0 "exit status"
}

# Tiled with Tinks: both marks show, Centered's does not.
write_file_bytes "$settings" "\"$picture\",\"Starter.txt\",#FALSE#,1\r\n"
start_program
launcher_shot
assert_eq "$(dark_pixels "$shot" 176 16 16 17)" 0 "dark pixels in OptCentered's mark"
(($(dark_pixels "$shot" 176 40 16 25) > 0)) || fail "OptTiled is not selected"
(($(dark_pixels "$shot" 16 80 16 17) > 0)) || fail "Check1 is not ticked"
shows_text "$shot" 16 184 281 25 "$picture" 11 || fail "lblPicture does not show $picture"
assert_file_bytes "$settings" "\"$picture\",\"Starter.txt\",#FALSE#,1\r\n"

# A fourth field of 7 is refused; the picture, letter set and tiling before it stay.
write_file_bytes "$settings" "\"$picture\",\"Starter.txt\",#FALSE#,7\r\n"
start_program
launcher_shot
assert_file_bytes "$settings" "\"$picture\",\"Starter.txt\",#FALSE#,0\r\n"

# A file cut short after the picture: the picture stays, the rest is default.
write_file_bytes "$settings" "\"$picture\""
start_program
launcher_shot
assert_file_bytes "$settings" "\"$picture\",\"\",#TRUE#,0\r\n"
e2e_pass

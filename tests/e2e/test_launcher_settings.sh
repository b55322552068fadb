#!/usr/bin/env bash
# Choices made with the mouse are remembered in pictype.ini; the launcher
# shows the remembered choices as the user left them and, when nothing is
# changed, writes the same bytes back; a bad field keeps what came before.
source "$(dirname "$0")/lib.sh"
e2e_setup

picture=$PROGRAM_DIR/pictures/night-sky.bmp
settings=$PROGRAM_DIR/pictype.ini
launcher_shot() {
  wait_launcher_drawn
  close_launcher
}

# Tiled and Tinks chosen by hand.
start_program
window=$(wait_window "Pictype Viewer")
focus_window "$window"
click_in_window "$window" 184 52
click_in_window "$window" 23 88
launcher_shot
cp "$shot" "$WORK/by-hand.png"
assert_file_bytes "$settings" '"","",#FALSE#,1\r\n'

# Remembered, they look just as the user left them.
write_file_bytes "$settings" "\"$picture\",\"Starter.txt\",#FALSE#,1\r\n"
start_program
launcher_shot
for region in "176 16 16 17" "176 40 16 25" "16 80 16 17"; do
  # shellcheck disable=SC2086
  same_region "$shot" "$WORK/by-hand.png" $region ||
    fail "the mark at ${region% * *} does not look as it did when chosen by hand"
done
(($(dark_pixels "$shot" 176 40 16 25) > 0)) || fail "OptTiled is not selected"
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

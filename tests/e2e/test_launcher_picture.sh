#!/usr/bin/env bash
# A picture named on the command line becomes the chosen one: the launcher
# shows its path and remembers it at close. The arguments are joined by
# single spaces, so a path with spaces arrives whole even when a shell split
# it; a four-letter extension or a quoted path is ignored.
source "$(dirname "$0")/lib.sh"
e2e_setup

settings=$PROGRAM_DIR/pictype.ini
mkdir -p "$WORK/my pictures"
spaced="$WORK/my pictures/summer hills.jpg"
shouting=$WORK/PAPER-WAVES.GIF
cp "$PROGRAM_DIR/pictures/green-hills.jpg" "$spaced"
cp "$PROGRAM_DIR/pictures/paper-waves.gif" "$shouting"
cp "$PROGRAM_DIR/pictures/green-hills.jpg" "$WORK/hills.jpeg"

# Runs the program with the given arguments, waits for the launcher to be
# drawn into $shot, then closes it.
run_launcher() {
  start_program "$@"
  wait_launcher_drawn
  close_launcher
}
remembered_picture() { head -c -2 "$settings" | sed 's/^"\([^"]*\)".*/\1/'; }

run_launcher
shows_text "$shot" 16 184 281 25 "No picture selected" 11 || fail "lblPicture does not say no picture is selected"

run_launcher "$spaced"
shows_text "$shot" 16 184 281 25 "$spaced" 11 || fail "lblPicture does not show $spaced"
shows_text "$shot" 16 184 281 25 "${spaced/summer/winter}" 11 && fail "lblPicture matches a path it does not show"
assert_eq "$(remembered_picture)" "$spaced" "picture given as one argument"

read -r -a words <<<"$spaced"
((${#words[@]} > 1)) || fail "the path was meant to hold spaces"
run_launcher "${words[@]}"
assert_eq "$(remembered_picture)" "$spaced" "picture given as ${#words[@]} arguments"

run_launcher "$shouting"
assert_eq "$(remembered_picture)" "$shouting" "picture with an upper-case extension"

# Ignored: the picture remembered from the run before stays.
run_launcher "$WORK/hills.jpeg"
assert_eq "$(remembered_picture)" "$shouting" "after a .jpeg on the command line"
run_launcher "\"$spaced\""
assert_eq "$(remembered_picture)" "$shouting" "after a quoted path on the command line"
shows_text "$shot" 16 184 281 25 "$shouting" 11 || fail "lblPicture does not show the remembered $shouting"
e2e_pass

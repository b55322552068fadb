#!/usr/bin/env bash
# Without letters.zip the program says why and ends, writing nothing. With it,
# under any letter case, a picture on the command line, even split into words
# by a shell, becomes the chosen one and the other remembered choices are
# written back byte for byte.
source "$(dirname "$0")/lib.sh"
setup
mv "$PROGRAM_DIR/letters.zip" "$WORK/letters.zip"
start_program
answer Return
wait_exit
((STATUS != 0)) || fail "a run without letters.zip ended with status 0"
[[ ! -e $PROGRAM_DIR/pictype.ini ]] || fail "a run without letters.zip wrote pictype.ini"

mv "$WORK/letters.zip" "$PROGRAM_DIR/Letters.ZIP"
printf '"%s",%s\r\n' "$PROGRAM_DIR/pictures/night-sky-tile.bmp" '"Chalk.txt",#FALSE#,1' >"$PROGRAM_DIR/pictype.ini"
picture="$WORK/my pictures/summer hills.jpg"
mkdir -p "$WORK/my pictures"
cp "$PROGRAM_DIR/pictures/green-hills.jpg" "$picture"
read -r -a words <<<"$picture"
start_program "${words[@]}"
wait_launcher
close_window "$LAUNCHER"
wait_exit
expect "$STATUS" 0 "exit status"
expect_bytes "$PROGRAM_DIR/pictype.ini" "\"$picture\",\"Chalk.txt\",#FALSE#,1\r\n"
[[ -z $(compgen -G "$PROGRAM_DIR/~*") ]] || fail "a typed-text file was left behind"

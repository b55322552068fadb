#!/usr/bin/env bash
# Closing with typed text, on a German desktop: Append to Clipboard after what
# another program left on the X clipboard; the launcher closed with the canvas
# up closes the canvas first, Esc on the save question keeps everything, and
# the name given in the save dialog gets exactly the typed text. The launcher,
# its help text and the question speak German; the question's buttons and the
# dialog are Qt's own German ("Ja", "Nein", "Speichern unter").
source "$(dirname "$0")/lib.sh"
setup
export LANGUAGE=de LANG=de_DE.UTF-8
# The desktop's handler notes what it is asked to open.
mkdir -p "$WORK/bin" && printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$WORK" >"$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open" && export PATH=$WORK/bin:$PATH
# reads WINDOW [PART]: the words OCR finds on it, or on the part at its bottom
# (a crop geometry), enlarged and in black and white for small print.
reads() {
  import -window "$1" "$WORK/read.png" && convert "$WORK/read.png" ${2:+-gravity south -crop "$2" +repage} \
    -resize 400% -colorspace gray -threshold 45% "$WORK/read.png" &&
    tesseract "$WORK/read.png" - -l deu+eng --psm 11 2>/dev/null | tr -s ' \n' ' '
}
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
printf 'abc' | xclip -selection clipboard -i
start_program "$WORK/pictures/plain.bmp"
wait_launcher
words=$(reads "$LAUNCHER")
[[ $words == *Hintergrundbild*Gekachelt*Sperre*Zwischenablage*Uhrzeit*Hilfe* ]] ||
  fail "the launcher reads: $words"
height=$(xdotool getwindowgeometry --shell "$LAUNCHER" | sed -n 's/^HEIGHT=//p')
focus "$LAUNCHER"
click_in "$LAUNCHER" 24 $((height - 10))  # "Hier klicken für Hilfe."
wait_for "the help to open" test -s "$WORK/opened"
expect "$(cat "$WORK/opened")" "$PROGRAM_DIR/translations/pictype_de.txt" "the help opened"
open_canvas
type_text 'Hi there'
press Return
type_text 'Bye'
press Escape
work='Hi there \r\nBye\r\n'
expect_bytes "$(text_file)" "$work"
click_in "$LAUNCHER" 72 186  # An Zwischenablage anhängen
clipboard_holds() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]; }
wait_for "the text on the clipboard" clipboard_holds $'abc Hi there \r\nBye'
open_canvas
type_text 'more'
wait_screen glyphs more 0 0
close_window "$LAUNCHER"  # with the canvas up
box=$(new_window "$LAUNCHER")
words=$(reads "$box")
[[ $words == *"Möchtest du deine Arbeit speichern?"* ]] || fail "the save question reads: $words"
# The buttons' underlined first letters read as small ones.
words=$(reads "$box" 100%x30%+0+0)
[[ ${words,,} =~ (^| )ja( |$) && ${words,,} =~ (^| )nein( |$) ]] ||
  fail "the save question's buttons read: $words"
answer Escape
work='Hi there \r\nBye more\r\n'
expect_bytes "$(text_file)" "$work"
close_window "$LAUNCHER"
answer j
in_dialog 'Speichern unter' "$WORK/notes"
wait_exit
expect "$STATUS" 0 "exit status"
expect_bytes "$WORK/notes" "$work"
[[ -z $(compgen -G "$PROGRAM_DIR/~*") ]] || fail "the typed-text file was left behind"

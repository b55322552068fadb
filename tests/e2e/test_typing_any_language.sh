#!/usr/bin/env bash
# Letters of any language, typed as people type them (key symbols of other
# layouts, a dead key), are drawn with the set's glyphs and kept in the file
# as UTF-8; a character the set lacks takes a cell with the set's "?", and
# Backspace takes it back whole.
source "$(dirname "$0")/lib.sh"
setup
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
start_program "$WORK/pictures/plain.bmp"
wait_launcher
click_start
wait_screen region 0 0 1024 768 0 0
# Keys of their own for the letters beyond the layout: typed through keys
# xdotool maps for a moment each, a loaded machine could take a key's event
# in the keymap of the moment before.
xmodmap -e 'keycode 93 = Cyrillic_PE' -e 'keycode 97 = Cyrillic_er' -e 'keycode 103 = Cyrillic_i' \
  -e 'keycode 120 = Cyrillic_ve' -e 'keycode 132 = Cyrillic_ie' -e 'keycode 149 = Cyrillic_te' \
  -e 'keycode 154 = EuroSign' -e 'keycode 168 = Cyrillic_zhe'
type_text 'caf'
press dead_acute e
type_text ' Привет €ж'
wait_screen glyphs 'café Привет €?' 0 0
press BackSpace
wait_screen region 416 0 64 31 416 0  # the "?" is gone, and nothing after it
check glyphs 'café Привет €' 0 0
press Escape
expect_bytes "$(text_file)" 'caf\xc3\xa9 \xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82 \xe2\x82\xac\r\n'

#!/usr/bin/env bash
# Real keys on the canvas, checked pixel for pixel: letters over a picture
# larger than the screen, shown from its middle, with the cursor mark; other
# languages' letters through other layouts' keys and a dead key, one the set
# lacks as its "?"; the typed text in the file as UTF-8; letters at two
# device pixels to a logical one. The steps the latency probe times are
# marked in its trace, in their order.
source "$(dirname "$0")/lib.sh"
setup
use_test_letters
make_picture 1100 800 "$WORK/pictures/big.bmp"
PICTYPE_TRACE=$WORK/trace start_program "$WORK/pictures/big.bmp"
wait_launcher
click_start
wait_screen region 0 0 1024 768 38 16  # larger than the screen: its middle
type_text 'Ab7.,?'
press BackSpace
type_text 'Zq'
wait_screen glyphs 'Ab7.,Zq' 0 0
steps=$(cut -d' ' -f2- "$WORK/trace" | awk '!seen[$0]++' | paste -sd,)
expect "${steps/decode begins,decode ends,/}" "start,letters read,canvas made,picture at hand,picture composed,window shown,painted" "the trace"
check region 224 0 32 31 262 16
check colour 232 31 1 1 241 208 119  # the cursor mark: the picture's inverse
# Other layouts' letters on keys of their own: keys xdotool remaps for a
# moment race a loaded machine.
xmodmap -e 'keycode 93 = Cyrillic_PE' -e 'keycode 97 = Cyrillic_er' -e 'keycode 103 = Cyrillic_i' \
  -e 'keycode 120 = Cyrillic_ve' -e 'keycode 132 = Cyrillic_ie' -e 'keycode 149 = Cyrillic_te' \
  -e 'keycode 154 = EuroSign' -e 'keycode 168 = Cyrillic_zhe'
type_text ' caf'
wait_screen glyphs 'Ab7.,Zq caf' 0 0  # before a dead key, which a loaded machine may deliver early
press dead_acute e
type_text ' Привет €ж'
wait_screen glyphs 'Ab7.,Zq café Привет €?' 0 0  # "ж", not in the set, as its "?"
press BackSpace
wait_screen region 672 0 64 31 710 16  # the "?" is gone, and nothing after it
press Escape
wait_screen colour 600 500 1 1 0 0 0
expect_bytes "$(text_file)" 'Ab7.,Zq caf\xc3\xa9 \xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82 \xe2\x82\xac\r\n'

kill -9 "$PROGRAM_PID"
wait_exit
QT_SCALE_FACTOR=2 start_program "$WORK/pictures/big.bmp"
wait_launcher
answer n  # the text left by the killed run
click_start
wait_screen region 1000 700 24 68 1038 716  # still one picture pixel per device pixel
type_text 'Hi!'
wait_screen glyphs 'Hi!' 0 0 2  # a letter's pixel is 2 x 2, its cell 64 x 64
check region 192 0 832 62 230 16

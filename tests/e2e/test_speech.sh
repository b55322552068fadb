#!/usr/bin/env bash
# Speak ticked, Tinks not: letters and words are said, a new key cuts off what is
# still being said. SDL's disk audio driver writes what is played at a device's pace.
source "$(dirname "$0")/lib.sh"
setup
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/played.raw
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
# The seconds played so far, at the 16-bit mono 48 kHz the program asks for.
played() { awk -v bytes="$(stat -c %s "$SDL_DISKAUDIOFILE")" 'BEGIN { print bytes / 96000 }'; }
# The seconds from SECONDS into the sound to its last loud moment.
sound_after() {
  sox -t raw -r 48000 -e signed -b 16 -c 1 "$SDL_DISKAUDIOFILE" -n trim "$1" \
    reverse silence 1 0.01 1% reverse stat 2>&1 | awk '/^Length/ { print $3 } END { print 0 }' | head -n 1
}
within() {
  awk -v v="$1" -v low="$2" -v high="$3" 'BEGIN { exit !(low <= v && v <= high) }' ||
    fail "$4: $1 s, not within $2 to $3 s"
}
start_program "$WORK/pictures/plain.bmp"
wait_launcher
open_canvas
type_text 'elephant '
sleep 1
press Escape
wait_screen colour 1000 700 1 1 0 0 0
[[ ! -e $SDL_DISKAUDIOFILE ]] || fail "sound played with Speak unticked"

focus "$LAUNCHER" && click_in "$LAUNCHER" 23 112  # Speak
open_canvas
sleep 1  # the voices load while the canvas opens
type_text 'elephant'
at=$(played)
type_text ' '
sleep 2
# The word's length; with the letters queued up instead, twice that.
within "$(sound_after "$at")" 0.3 1.5 "the word said after the space"
xdotool type --delay 10 abcdefghijklmnopqrstuvwxyz
last=$(played)
sleep 3
within "$(sound_after "$last")" 0.1 1 "speech after the last mashed key"  # its name alone
press Escape
close_window "$LAUNCHER"
answer n  # the text not saved
wait_exit  # the voices let it end
expect "$STATUS" 0 "the exit status"

#!/usr/bin/env bash
# With Tinks ticked, key releases click on the sound device. SDL's disk
# audio driver writes what is played to a file.
source "$(dirname "$0")/lib.sh"
setup
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/played.raw
use_test_letters
make_picture 1024 768 "$WORK/pictures/plain.bmp"
# Samples of the 16-bit output well above the ripple around silence.
loud_samples() {
  python3 -c 'import array, sys
raw = open(sys.argv[1], "rb").read() if len(sys.argv) > 1 else b""
print(sum(abs(s) > 300 for s in array.array("h", raw[: len(raw) // 2 * 2])))' \
    $(compgen -G "$SDL_DISKAUDIOFILE")
}
start_program "$WORK/pictures/plain.bmp"
wait_launcher
focus "$LAUNCHER" && click_in "$LAUNCHER" 23 88  # Tinks
open_canvas
type_text 'tink tink'
press Return F6
# The shortest click is 440 samples at 22050 Hz, 957 at the device's 48000
# Hz; its quiet tail may fall under the threshold.
enough_clicks() { (($(loud_samples) > 700)); }
wait_for "clicks in $SDL_DISKAUDIOFILE" enough_clicks

#!/usr/bin/env bash
# Key releases on the canvas click only while Tinks is ticked, and ticking
# it takes effect at the next Start without a restart. SDL's disk audio
# driver writes whatever is played to a file. Without any audio, typing with
# Tinks ticked works all the same.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/canvas_lib.sh"
e2e_setup 1024x768
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/played.raw
use_test_letters
mkdir -p "$WORK/pictures"
make_picture 1024 768 "$WORK/pictures/plain.bmp"

# Samples of the 16-bit output well above the ripple around silence.
loud_samples() {
  [[ -f $SDL_DISKAUDIOFILE ]] || { echo 0; return; }
  python3 -c '
import array, sys
raw = open(sys.argv[1], "rb").read()
samples = array.array("h", raw[: len(raw) // 2 * 2])
print(sum(abs(s) > 300 for s in samples))' "$SDL_DISKAUDIOFILE"
}
# One opening of the canvas with some typing, back to the launcher.
type_on_canvas() {
  wait_pixel 1023 767 "$(pattern_rgb 1023 767)"
  type_text 'tink tink'
  press Return shift+Right F6
  sleep 0.5
  press Escape
  wait_pixel_not 1023 767 "$(pattern_rgb 1023 767)"
}

start_canvas "$WORK/pictures/plain.bmp"
type_on_canvas
assert_eq "$(loud_samples)" 0 "loud samples played with Tinks unticked"

# Tinks, by hand in the launcher.
click_in_window "$LAUNCHER" 23 88
click_start "$LAUNCHER"
type_on_canvas
# The shortest click lasts 440 samples at 22050 Hz, 957 at the device's
# 48000 Hz; its quiet tail may fall under the threshold.
enough_clicked() { (($(loud_samples) > 700)); }
wait_for "clicks in $SDL_DISKAUDIOFILE" enough_clicked
close_launcher_discarding_work "$LAUNCHER"
assert_eq "$EXIT_STATUS" 0 "exit status"
assert_file_bytes "$PROGRAM_DIR/pictype.ini" "\"$WORK/pictures/plain.bmp\",\"E2E.txt\",#TRUE#,1\r\n"

# The remembered Tinks, and an audio driver that does not exist.
export SDL_AUDIODRIVER=no-such-audio
start_canvas "$WORK/pictures/plain.bmp"
type_on_canvas
wait_file_bytes "$(wait_temp_text_file)" 'tink tink \r\n\r\n'
close_launcher_discarding_work "$LAUNCHER"
assert_eq "$EXIT_STATUS" 0 "exit status without audio"
e2e_pass

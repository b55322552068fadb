#!/usr/bin/env bash
# Retakes the screenshots the README shows (docs/launcher.png and
# docs/canvas.png) from the built program, under a private Xvfb with the
# end-to-end harness.
# Usage: take-screenshots.sh [BUILD-DIR]   (default build/release)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath "${1:-$source_dir/build/release}")
export PICTYPE_PROGRAM_DIR=$build_dir/program PICTYPE_BIN_DIR=$build_dir/bin
source "$source_dir/tests/e2e/lib.sh"
e2e_setup 1024x768

# The launcher as a user sees it after choosing a picture in an earlier run.
# The launcher only shows the remembered path, so a familiar-looking one is
# used instead of this run's temporary folder.
write_file_bytes "$PROGRAM_DIR/pictype.ini" '"/home/you/Pictures/alpine-dawn.jpg","",#TRUE#,1\r\n'
start_program
wait_launcher_drawn
mkdir -p "$source_dir/docs"
convert "$shot" -strip "$source_dir/docs/launcher.png"
close_launcher
e2e_log "wrote docs/launcher.png"

# The canvas: the shipped letters typed over a sample picture, from the
# launcher's Start like a user does.
rm "$PROGRAM_DIR/pictype.ini"
start_program "$PROGRAM_DIR/pictures/green-hills.jpg"
window=$(wait_window "Pictype Viewer")
screenshot "$WORK/before.png"
click_start "$window"
canvas_shown() {
  screenshot "$WORK/canvas.png"
  [[ $(pixel_at "$WORK/canvas.png" 512 384) != "$(pixel_at "$WORK/before.png" 512 384)" ]]
}
wait_for "the canvas" canvas_shown
type_text 'Type anything over your picture!'
press Return
type_text 'Esc returns to the launcher.'
# The last letter is drawn once the screen stops changing.
settled() {
  screenshot "$WORK/settled.png"
  same_region "$WORK/settled.png" "$WORK/canvas.png" 0 0 1024 768 && return 0
  cp "$WORK/settled.png" "$WORK/canvas.png"
  return 1
}
wait_for "the typed letters" settled
convert "$WORK/canvas.png" -strip "$source_dir/docs/canvas.png"
press Escape
close_launcher_discarding_work "$window"
e2e_log "wrote docs/canvas.png"

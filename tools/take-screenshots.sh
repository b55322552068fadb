#!/usr/bin/env bash
# Retakes the screenshots the README shows (docs/launcher.png, the launcher
# in German, Russian and Arabic, docs/launcher-<language>.png, and
# docs/canvas.png) from the built program, under a private Xvfb with the
# end-to-end harness.
# Usage: take-screenshots.sh [BUILD-DIR]   (default build/release)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath "${1:-$source_dir/build/release}")
export PICTYPE_PROGRAM_DIR=$build_dir/program PICTYPE_BIN_DIR=$build_dir/bin
source "$source_dir/tests/e2e/lib.sh"
setup 1024x768
mkdir -p "$source_dir/docs"

# The launcher as a user sees it after choosing a picture in an earlier run.
# The launcher only shows the remembered path, so a familiar-looking one is
# used instead of this run's temporary folder.
for language in en de ru ar; do
  printf '"/home/you/Pictures/alpine-dawn.jpg","",#TRUE#,1\r\n' >"$PROGRAM_DIR/pictype.ini"
  picture=docs/launcher$([[ $language == en ]] || echo "-$language").png
  export LANGUAGE=$language
  start_program
  wait_launcher
  sleep 0.5
  import -window "$LAUNCHER" -strip "$source_dir/$picture"
  close_window "$LAUNCHER"
  wait_exit
  echo "wrote $picture"
done
unset LANGUAGE

# The canvas: the shipped letters typed over a sample picture, from the
# launcher's Start like a user does.
rm "$PROGRAM_DIR/pictype.ini"
start_program "$PROGRAM_DIR/pictures/green-hills.jpg"
wait_launcher
click_start
# The canvas covers the screen once its bottom-right corner is no longer black.
canvas_shown() { ! screen_passes colour 1023 767 1 1 0 0 0 2>/dev/null; }
wait_for "the canvas" canvas_shown
type_text 'Type anything over your picture!'
press Return
type_text 'Esc returns to the launcher.'
# The last letter is drawn once the screen stops changing.
settled() {
  import -window root "$WORK/now.png"
  if [[ -f $WORK/before.png ]] && compare -metric AE "$WORK/now.png" "$WORK/before.png" null: 2>/dev/null; then
    return 0
  fi
  mv "$WORK/now.png" "$WORK/before.png"
  sleep 0.3
  return 1
}
wait_for "the typed letters" settled
convert "$WORK/now.png" -strip "$source_dir/docs/canvas.png"
echo "wrote docs/canvas.png"

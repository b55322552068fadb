#!/usr/bin/env bash
# Makes the photographs the benchmarks and the latency probe load: five of
# 6000 x 4000 in FOLDER/five (a.jpg to e.jpg, each of its own colours) and
# FOLDER/one/photo.jpg, a copy of a.jpg alone in its folder.
# Each has a photograph's smooth areas and grain and no black or white, so
# the probe can tell it from the empty window and the bare screen, and the
# pictures apart. A folder that holds them already is left as it is.
#
#   bench/make-photos.sh FOLDER
set -euo pipefail
folder=${1:?folder}
[[ -f $folder/one/photo.jpg ]] && exit 0
mkdir -p "$folder/five" "$folder/one"
make_photo() {
  convert -size 6000x4000 "gradient:$1" -attenuate 0.6 +noise Gaussian -quality 90 "$2"
}
make_photo '#3a6ea5-#d8a070' "$folder/five/a.jpg"
make_photo '#4f9a3c-#c8d860' "$folder/five/b.jpg"
make_photo '#a53a6e-#70c8d8' "$folder/five/c.jpg"
make_photo '#c87830-#3050a0' "$folder/five/d.jpg"
make_photo '#605aa0-#e0c0d0' "$folder/five/e.jpg"
cp "$folder/five/a.jpg" "$folder/one/photo.jpg"

#!/usr/bin/env bash
# Redraws the letter sets that ship in letters.zip from the DejaVu fonts
# (Debian package fonts-dejavu-core). Run from anywhere after a build:
#   tools/letters/make-shipped-sets.sh [path/to/pictype-letters]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
tool=${1:-$root/build/release/program/pictype-letters}
fonts=/usr/share/fonts/truetype/dejavu
out=$root/data/letters

"$tool" make --font "$fonts/DejaVuSans-Bold.ttf" --style outline \
  --color '#FFFFFF' --outline '#000000' --outline-width 2 -o "$out/Bold Outline.txt"
"$tool" make --font "$fonts/DejaVuSans-Bold.ttf" --style gradient \
  --color '#FF4040,#FFA020,#FFE030,#40E060,#30A0FF,#B060FF' --outline '#000000' \
  -o "$out/Rainbow.txt"
"$tool" make --font "$fonts/DejaVuSans-Bold.ttf" --style outline \
  --color '#FFF8E0' --outline '#1C2428' --outline-width 2 --grain 15 -o "$out/Chalk.txt"
"$tool" make --font "$fonts/DejaVuSansMono-Bold.ttf" --style outline --block 2 \
  --color '#7CFF4C' --outline '#002000' -o "$out/Retro Pixels.txt"

"$tool" check "$out/Bold Outline.txt" "$out/Rainbow.txt" "$out/Chalk.txt" "$out/Retro Pixels.txt"

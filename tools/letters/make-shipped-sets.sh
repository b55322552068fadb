#!/usr/bin/env bash
# Redraws the letter sets that ship in letters.zip from the DejaVu fonts
# (Debian package fonts-dejavu-core), and the picture of them in the docs.
# Run from anywhere after a build:
#   tools/letters/make-shipped-sets.sh [path/to/pictype-letters]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
tool=${1:-$root/build/release/program/pictype-letters}
fonts=/usr/share/fonts/truetype/dejavu
out=$root/data/letters

# Capitals about 26 pixels high and the letters widened, so that a word's
# letters fill their cells and read as a word, not one letter at a time.
# Beyond ASCII, the letters of most European languages and the marks word
# processors put in (curly quotes, dashes, the euro sign).
chars=(--chars latin-1,latin-extended-a,greek,cyrillic,punctuation)
sans=(--font "$fonts/DejaVuSans-Bold.ttf" --cap-height 26 --stretch 130 "${chars[@]}")
"$tool" make "${sans[@]}" --style outline \
  --color '#FFFFFF' --outline '#000000' --outline-width 2 -o "$out/Bold Outline.txt"
"$tool" make "${sans[@]}" --style gradient \
  --color '#FF4040,#FFA020,#FFE030,#40E060,#30A0FF,#B060FF' --outline '#000000' \
  -o "$out/Rainbow.txt"
"$tool" make "${sans[@]}" --style outline \
  --color '#FFF8E0' --outline '#1C2428' --outline-width 2 --grain 15 -o "$out/Chalk.txt"
"$tool" make --font "$fonts/DejaVuSansMono-Bold.ttf" --cap-height 26 --stretch 140 "${chars[@]}" \
  --style outline --block 2 --color '#7CFF4C' --outline '#002000' -o "$out/Retro Pixels.txt"

"$tool" check "$out/Bold Outline.txt" "$out/Rainbow.txt" "$out/Chalk.txt" "$out/Retro Pixels.txt"

# The picture in docs/letter-sets.md: each set over a dark and a bright sample.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
rows=()
for set in "Bold Outline" Rainbow Chalk "Retro Pixels"; do
  for picture in night-sky-tile.bmp paper-waves-tile.gif; do
    "$tool" preview "$out/$set.txt" --picture "$root/data/pictures/$picture" \
      --text 'Hello, World? #42' --text 'Grüße! Привет, €5' -o "$scratch/$set $picture.png" >/dev/null
  done
  convert "$scratch/$set night-sky-tile.bmp.png" "$scratch/$set paper-waves-tile.gif.png" \
    +append "$scratch/$set.png"
  rows+=("$scratch/$set.png")
done
convert "${rows[@]}" -append -strip "$root/docs/letter-sets-preview.png"
echo "Wrote docs/letter-sets-preview.png."

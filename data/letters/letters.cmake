# The members of letters.zip, in archive order; the first is the best
# all-round set and the one a new user starts with. The sets are drawn from
# the DejaVu fonts by tools/letters/make-shipped-sets.sh.
set(PICTYPE_LETTER_SETS
  "Bold Outline.txt"
  "Rainbow.txt"
  "Chalk.txt"
  "Retro Pixels.txt"
)

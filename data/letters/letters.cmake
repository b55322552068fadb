# The members of letters.zip, in archive order; the first is the best
# all-round set and the one a new user starts with.
set(PICTYPE_LETTER_SETS
  Starter.txt
)

# The sample pictures copied into the program folder's "pictures" folder.
# They are painted by tools/make-sample-pictures.py; run it again after
# changing a painter and commit the pictures it writes.
set(PICTYPE_SAMPLE_PICTURES
  alpine-dawn.jpg
  green-hills.jpg
  night-sky-tile.bmp
  paper-waves-tile.gif
)

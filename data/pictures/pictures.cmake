# The sample pictures copied into the program folder's "pictures" folder.
set(PICTYPE_SAMPLE_PICTURES)

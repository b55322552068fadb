#!/usr/bin/env bash
# `make program DEST=<folder>` lays out a folder holding exactly what ships,
# and the program started from there shows the launcher and keeps its
# settings in that folder.
# e2e: uses-build-tree
source "$(dirname "$0")/lib.sh"
e2e_setup

: "${PICTYPE_SOURCE_DIR:?the source tree}" "${PICTYPE_BUILD_DIR:?the build tree}"
preset=$(basename "$PICTYPE_BUILD_DIR")
[[ $PICTYPE_SOURCE_DIR/build/$preset -ef $PICTYPE_BUILD_DIR ]] ||
  e2e_skip "the build tree $PICTYPE_BUILD_DIR is not one of the Makefile's presets"

# Runs one of the Makefile's targets on this build tree; the output is kept
# for a failure report.
run_make() {
  env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$PICTYPE_SOURCE_DIR" --no-print-directory \
    PRESET="$preset" "$@" >"$WORK/make.log" 2>&1 || fail "make $* failed: $(tail -n 20 "$WORK/make.log")"
}

dest="$WORK/Pictype Viewer"
run_make program DEST="$dest"

mapfile -t pictures < <(sed -n 's/^ *\([^ #]*\.\(jpg\|bmp\|gif\)\) *$/\1/p' "$PICTYPE_SOURCE_DIR/data/pictures/pictures.cmake")
((${#pictures[@]} > 0)) || fail "no sample pictures are listed"
expected=$( (printf '%s\n' letters.zip pictype-letters pictype-viewer pictype.txt; printf 'pictures/%s\n' "${pictures[@]}") | sort)
assert_eq "$(cd "$dest" && find . -type f | sed 's|^\./||' | sort)" "$expected" "files of the program folder"
[[ -x $dest/pictype-viewer ]] || fail "pictype-viewer is not executable"
"$dest/pictype-letters" --help >/dev/null 2>&1 || fail "the letter-set maker does not run from the program folder"
cmp -s "$dest/letters.zip" "$PICTYPE_PROGRAM_DIR/letters.zip" || fail "letters.zip differs from the built one"
for picture in "${pictures[@]}"; do
  cmp -s "$dest/pictures/$picture" "$PICTYPE_SOURCE_DIR/data/pictures/$picture" || fail "pictures/$picture differs"
done

PROGRAM_DIR=$dest
picture="$dest/pictures/${pictures[0]}"
start_program "$picture"
wait_launcher_drawn
close_launcher
assert_file_bytes "$dest/pictype.ini" "\"$picture\",\"\",#TRUE#,0\r\n"
e2e_pass

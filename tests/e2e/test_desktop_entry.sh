#!/usr/bin/env bash
# `make desktop-entry DEST=<folder>` adds the program folder to the user's
# menu: a valid entry, the icon in every size a desktop asks for, and a
# picture opened through the entry, its path full of spaces, arrives whole.
# e2e: uses-build-tree
source "$(dirname "$0")/lib.sh"
e2e_setup

: "${PICTYPE_SOURCE_DIR:?the source tree}" "${PICTYPE_BUILD_DIR:?the build tree}"
preset=$(basename "$PICTYPE_BUILD_DIR")
[[ $PICTYPE_SOURCE_DIR/build/$preset -ef $PICTYPE_BUILD_DIR ]] ||
  e2e_skip "the build tree $PICTYPE_BUILD_DIR is not one of the Makefile's presets"

export XDG_DATA_HOME="$WORK/data home"
entry=$XDG_DATA_HOME/applications/pictype-viewer.desktop
desktop_entry() {
  env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$PICTYPE_SOURCE_DIR" --no-print-directory \
    PRESET="$preset" desktop-entry DEST="$1" >"$WORK/make.log" 2>&1
}

# GLib-based desktops cannot start a program from such a folder: no entry.
desktop_entry "$WORK/100% folder" && fail "an entry was made for a path holding %"
grep -q 'holds "%"' "$WORK/make.log" || fail "the refusal does not say why: $(tail -n 5 "$WORK/make.log")"
[[ ! -e $entry ]] || fail "an entry was left behind for a path holding %"

# Characters a desktop entry must quote or escape, in the folder's name.
dest=$WORK/'Pictype Viewer'"'"'s "$fine" `folder`'
desktop_entry "$dest" || fail "make desktop-entry failed: $(tail -n 20 "$WORK/make.log")"
[[ -f $entry ]] || fail "no entry in $XDG_DATA_HOME/applications"
assert_eq "$(desktop-file-validate "$entry" 2>&1)" "" "desktop-file-validate's complaints"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 22 24 32 48 64 128 256; do
  file=$XDG_DATA_HOME/icons/hicolor/${size}x${size}/apps/$icon.png
  [[ -f $file ]] || fail "no ${size}x${size} icon named $icon"
  assert_eq "$(identify -format '%wx%h' "$file")" "${size}x${size}" "size of $file"
done

# Opened with the entry, as a file manager's "Open With" does.
PROGRAM_DIR=$dest
mkdir -p "$WORK/my pictures"
picture="$WORK/my pictures/summer  hills.jpg"
cp "$dest/pictures/green-hills.jpg" "$picture"
gio launch "$entry" "$picture" >"$WORK/gio.log" 2>&1 || fail "gio launch failed: $(cat "$WORK/gio.log")"
window=$(wait_window "Pictype Viewer")
adopt_window_program "$window"
close_window "$window"
wait_program_gone
wait_file "$dest/pictype.ini"
assert_file_bytes "$dest/pictype.ini" "\"$picture\",\"\",#TRUE#,0\r\n"
e2e_pass

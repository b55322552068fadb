#!/usr/bin/env bash
# `make desktop-entry DEST=<folder>` lays out exactly what ships and adds a
# valid menu entry with its icons; a picture opened through the entry, its
# path full of spaces, arrives whole. A folder holding "%" gets no entry.
source "$(dirname "$0")/lib.sh"
setup
: "${PICTYPE_SOURCE_DIR:?the source tree}" "${PICTYPE_BUILD_DIR:?the build tree}"
preset=$(basename "$PICTYPE_BUILD_DIR")
[[ $PICTYPE_SOURCE_DIR/build/$preset -ef $PICTYPE_BUILD_DIR ]] || {
  echo "[$NAME] skipped: $PICTYPE_BUILD_DIR is not one of the Makefile's build trees"
  exit 77
}
export XDG_DATA_HOME="$WORK/data home"
entry=$XDG_DATA_HOME/applications/pictype-viewer.desktop
desktop_entry() {
  env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$PICTYPE_SOURCE_DIR" --no-print-directory \
    PRESET="$preset" desktop-entry DEST="$1" >"$WORK/make.log" 2>&1
}
desktop_entry "$WORK/100% folder" && fail "an entry was made for a path holding %"
[[ ! -e $entry ]] || fail "an entry was left behind for a path holding %"

# Characters a desktop entry must quote or escape, in the folder's name.
dest=$WORK/'Pictype Viewer'"'"'s "$fine" `folder`'
desktop_entry "$dest" || fail "make desktop-entry failed: $(tail -n 20 "$WORK/make.log")"
shipped=$(cd "$PICTYPE_SOURCE_DIR/data" && ls pictures/*.{jpg,bmp,gif} | sort)
languages=$(cd "$PICTYPE_SOURCE_DIR" && ls translations/pictype_*.{ts,txt} | sed 's/\.ts$/.qm/')
expect "$(cd "$dest" && find . -type f | sed 's|^\./||' | sort)" \
  "$(printf '%s\n' letters.zip pictype-letters pictype-viewer pictype.txt "$shipped" "$languages" | sort)" \
  "files"
expect "$(desktop-file-validate "$entry" 2>&1)" "" "desktop-file-validate's complaints"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 22 24 32 48 64 128 256; do
  expect "$(identify -format '%wx%h' "$XDG_DATA_HOME/icons/hicolor/${size}x${size}/apps/$icon.png")" \
    "${size}x${size}" "icon size"
done

# Opened with the entry, as a file manager's "Open With" does.
picture="$WORK/my pictures/summer  hills.jpg"
mkdir -p "$WORK/my pictures"
cp "$dest/pictures/green-hills.jpg" "$picture"
gio launch "$entry" "$picture" >"$WORK/gio.log" 2>&1 || fail "gio launch failed: $(cat "$WORK/gio.log")"
wait_launcher
PROGRAM_PID=$(xdotool getwindowpid "$LAUNCHER")
close_window "$LAUNCHER"
wait_for "the program to end" eval '! kill -0 "$PROGRAM_PID" 2>/dev/null'
PROGRAM_PID=
expect_bytes "$dest/pictype.ini" "\"$picture\",\"\",#TRUE#,0\r\n"

#!/usr/bin/env bash
# The Debian package: two builds in other time zones are identical, it holds
# exactly its files and lintian finds no fault. Unpacked into a scratch root,
# it runs from /usr/bin for an ordinary user (nobody, when run as root), with
# a letter set the user made and packed as README tells. Text and settings go
# to the user's folders, never into the program folder, though this user
# could write it, as root could /usr/lib.
source "$(dirname "$0")/lib.sh"
setup
: "${PICTYPE_SOURCE_DIR:?the source tree}"

build() { nice -n 19 bash "$PICTYPE_SOURCE_DIR/packaging/build-deb.sh" "$WORK/$1"; }
deb=$(build one) || fail "the package build failed"
again=$(TZ=Pacific/Auckland build two) || fail "the second package build failed"
cmp -s "$deb" "$again" ||
  fail "two builds differ: $(diff <(dpkg-deb -I "$deb" md5sums) <(dpkg-deb -I "$again" md5sums))"

lib=./usr/lib/pictype-viewer
expected=(
  "./usr/bin/pictype-letters -> ../lib/pictype-viewer/pictype-letters"
  "./usr/bin/pictype-viewer -> ../lib/pictype-viewer/pictype-viewer"
  "$lib/letters.zip" "$lib/pictype-letters" "$lib/pictype-viewer" "$lib/pictype.txt"
  ./usr/share/applications/org.pictype.viewer.desktop
  ./usr/share/doc/pictype-viewer/{changelog.gz,copyright}
  ./usr/share/man/man1/{pictype-letters,pictype-viewer}.1.gz
  ./usr/share/metainfo/org.pictype.viewer.metainfo.xml
)
for picture in "$PICTYPE_SOURCE_DIR"/data/pictures/*.{jpg,bmp,gif}; do
  expected+=("$lib/pictures/${picture##*/}")
done
for file in "$PICTYPE_SOURCE_DIR"/translations/pictype_*.{ts,txt}; do
  file=${file##*/}
  expected+=("$lib/translations/${file/%.ts/.qm}")
done
expected+=(./usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/pictype-viewer.png)
expect "$(dpkg-deb --contents "$deb" | grep -v '^d' | sed -E 's/^([^ ]+ +){5}//' | sort)" \
  "$(printf '%s\n' "${expected[@]}" | sort)" "the package's files"
lintian --fail-on error,warning "$deb" >"$WORK/lintian.log" 2>&1 || fail "lintian: $(cat "$WORK/lintian.log")"
root=$WORK/root
dpkg -x "$deb" "$root"

program=$root/usr/lib/pictype-viewer
user=$WORK/user
own=$user/.local/share/pictype-viewer
mkdir -p "$user/runtime" "$user/temp"
chmod 700 "$user/runtime"
pixels letters "$WORK/e2e.zip" && python3 -m zipfile -e "$WORK/e2e.zip" "$user"
make_picture 1024 768 "$WORK/pictures/plain.bmp"
unset XDG_CONFIG_HOME XDG_STATE_HOME XDG_DATA_HOME
export HOME=$user XDG_RUNTIME_DIR=$user/runtime TEMP=$user/temp
become=()
if ((EUID == 0)); then
  become=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chown -R nobody "$user" "$program"
  chmod 755 "$WORK" "$WORK/pictures"
fi
# Runs a command as the user in their home folder, in place of the calling shell.
as_user() { cd "$user" && exec "${become[@]}" "$@"; }
user_command() {
  (as_user "$@") >>"$WORK/commands.log" 2>&1 || fail "$* failed: $(tail -n 5 "$WORK/commands.log")"
}
user_command mkdir -p "$own"
user_command cp "$program/letters.zip" "$own/"
user_command "$root/usr/bin/pictype-letters" make --font "DejaVu Sans" --color '#FFFFFF' -o Mine.txt
user_command "$root/usr/bin/pictype-letters" pack "$own/letters.zip" Mine.txt E2E.txt
as_user "$root/usr/bin/pictype-viewer" "$WORK/pictures/plain.bmp" >>"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
wait_launcher
click_in "$LAUNCHER" 220 140 && press End  # the last set in the list
open_canvas
type_text 'installed'
wait_screen glyphs 'installed' 0 0
press Escape
expect_bytes "$(text_file "$user/.local/state/pictype-viewer")" 'installed\r\n'
close_window "$LAUNCHER"
answer n
wait_exit
expect "$STATUS" 0 "exit status"
expect_bytes "$user/.config/pictype-viewer/pictype.ini" "\"$WORK/pictures/plain.bmp\",\"E2E.txt\",#TRUE#,0\r\n"
expect "$(ls -A "$program")" \
  "$(printf '%s\n' letters.zip pictures pictype-letters pictype-viewer pictype.txt translations)" \
  "the program folder"

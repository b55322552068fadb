#!/usr/bin/env bash
# Adds a program folder laid out by `make program` to the desktop's menu:
# writes pictype-viewer.desktop into the user's applications folder and the
# icon, in the sizes desktops ask for, into the user's icon theme.
# Usage: install-desktop-entry.sh PROGRAM-FOLDER
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
[[ $# -eq 1 ]] || { echo "usage: $0 PROGRAM-FOLDER" >&2; exit 2; }
folder=$(realpath -m -- "$1")
program=$folder/pictype-viewer
[[ -x $program ]] || { echo "$program is not there: lay out the folder with make program first" >&2; exit 1; }
# Desktops built on GLib look for the program under its Exec path with a
# "%%" still doubled, so a "%" in the path gives an entry that never starts.
if [[ $folder == *[[:cntrl:]%]* ]]; then
  echo "A desktop entry cannot start a program from a folder whose path holds \"%\" or a" >&2
  echo "control character: $folder. Lay the program out in another folder." >&2
  exit 1
fi

data_home=${XDG_DATA_HOME:-$HOME/.local/share}
applications=$data_home/applications
mkdir -p "$applications"

# A desktop entry's string values escape the backslash; Exec arguments are
# also quoted, with ", `, $ and \ escaped inside the quotes. Patterns and
# replacements stay quoted: bash 5.2 gives & in a replacement a meaning.
bs='\'
escape_string() { printf '%s' "${1//"$bs"/"$bs$bs"}"; }
quote_argument() {
  local s=$1 c
  s=${s//"$bs"/"$bs$bs"}
  for c in '"' '`' '$'; do s=${s//"$c"/"$bs$c"}; done
  escape_string "\"$s\""
}
program_value=$(escape_string "$program")
folder_value=$(escape_string "$folder")
exec_value=$(quote_argument "$program")
fill_template() {
  local line
  while IFS= read -r line; do
    line=${line//"@PROGRAM@"/"$program_value"}
    line=${line//"@FOLDER@"/"$folder_value"}
    line=${line//"@EXEC@"/"$exec_value"}
    printf '%s\n' "$line"
  done <"$here/pictype-viewer.desktop.in"
}

# Checked before it replaces an entry that works.
entry=$applications/pictype-viewer.desktop
staging=$(mktemp -d "$applications/.pictype-viewer.XXXXXX")
trap 'rm -rf "$staging"' EXIT
fill_template >"$staging/pictype-viewer.desktop"
desktop-file-validate "$staging/pictype-viewer.desktop"
mv -f "$staging/pictype-viewer.desktop" "$entry"

for size in 16 22 24 32 48 64 128 256; do
  icons=$data_home/icons/hicolor/${size}x${size}/apps
  mkdir -p "$icons"
  python3 "$here/../tools/make-icon.py" "$icons/pictype-viewer.png" "$size"
done
# Menus and "Open With" read these caches when they exist; refreshing is a courtesy.
if command -v update-desktop-database >/dev/null; then update-desktop-database -q "$applications" || true; fi

echo "Added Pictype Viewer to the desktop's menu: $entry"

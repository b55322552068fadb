#!/usr/bin/env bash
# Every shipped language has every text of the program translated, and no
# text the program no longer has: lupdate, run over the sources into copies
# of the .ts files, finds nothing to add or retire. Each language also has
# its help text, and the menu entry and the AppStream metadata speak it.
# CTest runs it as translations.complete.
# Usage: check-translations.sh SOURCE-DIR LUPDATE
set -euo pipefail
source_dir=$1 lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/translations/*.ts "$work"
"$lupdate" -locations none "$source_dir/src" -ts "$work"/*.ts >/dev/null
status=0
for ts in "$work"/*.ts; do
  language=$(basename "$ts" .ts)
  language=${language#pictype_}
  untranslated=$(grep -B 3 -E 'type="(unfinished|vanished|obsolete)"|<translation>(</translation>)?$|<translation/>' "$ts" |
    sed -n 's/.*<source>\(.*\)/\1/p' | sed 's|</source>$||' || true)
  [[ -z $untranslated ]] || { echo "$language: untranslated or retired texts:"$'\n'"$untranslated"; status=1; }
  [[ -s $source_dir/translations/pictype_$language.txt ]] || { echo "$language: no help text"; status=1; }
  grep -q "^Comment\[$language\]=" "$source_dir/packaging/pictype-viewer.desktop.in" ||
    { echo "$language: the menu entry lacks its comment"; status=1; }
  grep -q "<summary xml:lang=\"$language\">" "$source_dir/packaging/org.pictype.viewer.metainfo.xml" ||
    { echo "$language: the AppStream metadata lacks its summary"; status=1; }
done
exit "$status"

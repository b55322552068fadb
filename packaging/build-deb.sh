#!/usr/bin/env bash
# Builds the Debian package with dpkg-buildpackage (debian/) from a copy of
# the source tree, as it is on disk, in OUT-FOLDER: dpkg-buildpackage writes
# the .deb beside the tree it builds, and its build files stay out of the
# sources. Prints the path of the .deb. JOBS=<n> limits the build to n
# parallel jobs (as many as there are processors otherwise).
# Usage: build-deb.sh OUT-FOLDER
set -euo pipefail
[[ $# -eq 1 ]] || { echo "usage: $0 OUT-FOLDER" >&2; exit 2; }
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m -- "$1")
tree=$out/pictype-viewer
rm -rf "$tree" "$out"/pictype-viewer_*
mkdir -p "$tree"
# Without the builds of the Makefile's presets and Git's own files.
tar -C "$source_dir" --exclude-vcs --exclude=./build --exclude=./out -c . | tar -C "$tree" -x
(cd "$tree" && dpkg-buildpackage --build=binary --no-sign -j"${JOBS:-auto}") >"$out/build.log" 2>&1 || {
  tail -n 40 "$out/build.log" >&2
  echo "The package build failed; its whole log: $out/build.log" >&2
  exit 1
}
version=$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Version)
echo "$out/pictype-viewer_${version}_$(dpkg-architecture -q DEB_HOST_ARCH).deb"

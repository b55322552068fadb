#!/usr/bin/env bash
# Runs the latency probe against the real program, each screen size under an
# X server of its own (1920 x 1080, then 3840 x 2160): start to launcher,
# Start to canvas with the picture chosen a second before and with it chosen
# in Start's dialog, key to pixels (also with Speak ticked), F5 after a pause and held down with keys
# typed while pictures decode, the arrow keys pressed and held, and the
# canvas's memory, with 24-megapixel photographs (bench/make-photos.sh).
#
#   bench/run-latency.sh BUILD_DIR OUT_FILE [PHOTO_FOLDER]
#
# OUT_FILE gets one JSON object per line, as the probe prints them.
# PHOTO_FOLDER holds the photographs, made there when it does not yet.
set -euo pipefail

build=$(cd "${1:?build folder}" && pwd)
out=${2:?output file}
here=$(cd "$(dirname "$0")" && pwd)
probe=$build/bench/latency_probe
[[ -x $probe ]] || { echo "run-latency: $probe was not built (Xlib and XTest needed)" >&2; exit 1; }
for tool in Xvfb convert; do
  command -v "$tool" >/dev/null || { echo "run-latency: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/pictype-latency.XXXXXX")
xvfb_pid=
cleanup() {
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A program folder and a home of the run's own: nothing reaches the user's,
# and no settings of an earlier run choose a picture.
cp -R "$build/program" "$work/program"
rm -f "$work/program/pictype.ini" "$work/program"/~*
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime TEMP=$work/temp
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_STATE_HOME=$HOME/.local/state
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TEMP" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

photos=${3:-$work/photos}
bash "$here/make-photos.sh" "$photos"
# The program starts in its own folder: the photographs by their full paths.
photos=$(cd "$photos" && pwd)
photo=$photos/one/photo.jpg

start_xvfb() {
  local fifo=$work/displayfd number
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$fifo" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  read -r -t 20 number <"$fifo" || { echo "run-latency: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$number
}
stop_xvfb() {
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
}

measure() { "$probe" "$1" "$work/program" "${@:2}" >>"$out"; }

: >"$out"
start_xvfb 1920x1080
measure launcher 15
measure canvas "$photo" 3 200
# The same keys with Speak ticked, each said while the next is typed: only
# its key to pixels counts, beside the run above.
printf 'speak=true\n' >"$work/program/pictype-viewer.conf"
"$probe" canvas "$work/program" "$photo" 3 200 | python3 -c '
import json, sys
for line in sys.stdin:
    record = json.loads(line)
    print(json.dumps({"screen": record["screen"],
                      "key_to_pixels_speaking_ms": record["key_to_pixels_ms"]}))' >>"$out"
rm "$work/program/pictype-viewer.conf"
measure chosen "$photo" 3
measure folder "$photos/five/a.jpg" 5
measure pan "$photo" 30
stop_xvfb

start_xvfb 3840x2160
measure canvas "$photo" 3 0
measure chosen "$photo" 3
measure pan "$photo" 30
stop_xvfb

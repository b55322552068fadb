#!/usr/bin/env bash
# Runs the latency probe against the real program, each measurement under an
# X server of its own: start to launcher and key to pixels on a 1920 x 1080
# screen, Start to canvas and the canvas's memory on a 3840 x 2160 one, both
# with a 24-megapixel photograph made for the run.
#
#   bench/run-latency.sh BUILD_DIR OUT_FILE
#
# OUT_FILE gets one JSON object per line, as the probe prints them.
set -euo pipefail

build=$(cd "${1:?build folder}" && pwd)
out=${2:?output file}
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

# A program folder and a home of the run's own: nothing reaches the user's.
cp -R "$build/program" "$work/program"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime TEMP=$work/temp
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TEMP" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# 6000 x 4000 with a photograph's smooth areas and grain; no black or white,
# so the probe can tell it from the empty window and the bare screen.
photo=$work/photo.jpg
convert -size 6000x4000 gradient:'#3a6ea5-#d8a070' -attenuate 0.6 +noise Gaussian \
  -quality 90 "$photo"

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

: >"$out"
start_xvfb 1920x1080
"$probe" launcher "$work/program" 15 >>"$out"
"$probe" canvas "$work/program" "$photo" 3 200 >>"$out"
stop_xvfb

start_xvfb 3840x2160
"$probe" canvas "$work/program" "$photo" 3 0 >>"$out"
stop_xvfb

# The harness on Wayland: a headless sway with two outputs, the program
# native on it, keys from wtype, screenshots from grim. Sourced by lib.sh
# for E2E_DESKTOP=sway; its functions stand in for the X11 ones.
# sway refuses to run as root: it and the program run as nobody.
AS_USER=(setpriv --reuid=65534 --regid=65534 --clear-groups)
as_user() { "${AS_USER[@]}" env "${USER_ENV[@]}" "$@"; }

# Two outputs, 1024 x 768 on the left and 800 x 600 at its right, as the X11
# journeys' two monitors. Mod4+x, a binding of the desktop's own, leaves a mark.
setup_screens() {
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/pictype-e2e.XXXXXX")
  trap cleanup EXIT
  PROGRAM_DIR=$WORK/program
  cp -R "$PICTYPE_PROGRAM_DIR" "$PROGRAM_DIR"
  mkdir -p "$WORK/home" "$WORK/runtime" "$WORK/temp" "$WORK/pictures"
  chmod 755 "$WORK" && chmod 700 "$WORK/runtime"
  cat >"$WORK/sway.conf" <<CONF
output HEADLESS-1 resolution 1024x768 position 0 0
output HEADLESS-2 resolution 800x600 position 1024 0
default_border none
bindsym Mod4+x exec touch $WORK/home/desktop-shortcut
CONF
  chown -R 65534:65534 "$WORK"
  USER_ENV=(HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime" TEMP="$WORK/temp" SDL_AUDIODRIVER=dummy
    LANG=C.UTF-8 PATH=/usr/bin:/bin)
  "${AS_USER[@]}" env -i "${USER_ENV[@]}" WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=2 WLR_RENDERER=pixman \
    WLR_LIBINPUT_NO_DEVICES=1 sway -c "$WORK/sway.conf" >"$WORK/sway.log" 2>&1 &
  DESKTOP_PID=$!
  wait_for "sway" eval '[[ -S $WORK/runtime/wayland-1 ]] && compgen -G "$WORK/runtime/sway-ipc.*" >/dev/null'
  USER_ENV+=(WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$(compgen -G "$WORK/runtime/sway-ipc.*")")
  export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime
}
add_screen() { as_user swaymsg create_output >/dev/null; }

start_program_in() {
  (cd "$1" && shift && exec "${AS_USER[@]}" env -i "${USER_ENV[@]}" "$PROGRAM_DIR/pictype-viewer" "$@") \
    >>"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
}

# The program's windows, a line each: output, full screen (0 or 1), focused (0 or 1).
windows() {
  as_user swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node, output):
    if node.get("type") == "output": output = node["name"]
    if node.get("app_id") == "pictype-viewer" and node.get("visible", True):
        print(output, node.get("fullscreen_mode", 0), int(node.get("focused", False)))
    for child in node.get("nodes", []) + node.get("floating_nodes", []): walk(child, output)
walk(json.load(sys.stdin), None)'
}
wait_launcher() { wait_for "the launcher" eval '[[ $(windows) == *" 0 1"* ]]'; sleep 0.3; }
# The canvas: one full-screen window on each output there is, or none.
canvas_windows() { windows | awk '$2 == 1' | wc -l; }
wait_canvas() {
  local outputs=$1
  wait_for "the canvas on $outputs outputs" eval '[[ $(canvas_windows) == "$outputs" ]]'
}
move_launcher_right() {
  as_user swaymsg '[app_id="pictype-viewer"] move to output HEADLESS-2, focus' >/dev/null
  wait_for "the launcher on the right output" eval '[[ $(windows) == "HEADLESS-2 0 1"* ]]'
}

# Keys in xdotool's names: "a", "F5", "alt+l", "shift+Right", "super".
# A new virtual keyboard loses its first key: each call leads with Shift.
wtype_keys() {
  local args=(-M shift -m shift -s 150) key part
  for key in "$@"; do
    local mods=() name=${key##*+}
    [[ $key == *+* ]] && IFS=+ read -ra mods <<<"${key%+*}"
    for part in "${mods[@]}"; do args+=(-M "$(wtype_modifier "$part")"); done
    case $name in
      super) args+=(-M logo -m logo) ;;
      *) args+=(-k "$name") ;;
    esac
    for part in "${mods[@]}"; do args+=(-m "$(wtype_modifier "$part")"); done
    args+=(-s 40)
  done
  as_user wtype "${args[@]}"
}
wtype_modifier() { case $1 in super) echo logo ;; *) echo "$1" ;; esac; }
press() { wtype_keys "$@"; }
type_text() { as_user wtype -M shift -m shift -s 150 -d 30 -- "$1"; }
# Esc held down for the given seconds; the program repeats it as X11 would.
hold_escape() {
  as_user wtype -M shift -m shift -s 150 -P Escape -s "$(python3 -c "print(round($1 * 1000))")" -p Escape
}

# The two outputs side by side as one picture, as the X11 screen shows them.
screen_passes() {
  as_user grim -o HEADLESS-1 "$WORK/left.png" || return 1
  local layout=(-size 1824x768 xc:black "$WORK/left.png" -geometry +0+0 -composite)
  if as_user grim -o HEADLESS-2 "$WORK/right.png" 2>/dev/null; then
    layout+=("$WORK/right.png" -geometry +1024+0 -composite)
  fi
  convert "${layout[@]}" -depth 8 "$WORK/shot.ppm" && pixels check "$WORK/shot.ppm" "$@"
}
shot() { as_user grim "$WORK/$1"; }

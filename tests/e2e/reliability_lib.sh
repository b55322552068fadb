# Helpers for the reliability end-to-end tests, sourced after lib.sh and
# canvas_lib.sh: message boxes told apart from the windows already up.

# The visible windows named "Pictype Viewer", one id a line, sorted.
program_windows() { xdotool search --onlyvisible --name "Pictype Viewer" 2>/dev/null | sort || true; }

# Waits for a "Pictype Viewer" window that is not among the ids given (the
# output of program_windows taken before); prints its id.
wait_new_window() {
  local before=$1 deadline=$((SECONDS + E2E_TIMEOUT)) id
  while :; do
    for id in $(program_windows); do
      grep -qx -- "$id" <<<"$before" || { echo "$id"; return 0; }
    done
    ((SECONDS < deadline)) || fail "no message came up"
    sleep 0.1
  done
}

# Fails when the set of "Pictype Viewer" windows is not the one given.
assert_no_new_window() {
  sleep 0.5
  [[ $(program_windows) == "$1" ]] || fail "$2"
}

# Answers a message box with Enter and waits until only the given windows are up.
dismiss_message() {
  focus_window "$1"
  press Return
  wait_for "the message to close" bash -c "[[ \$(xdotool search --onlyvisible --name 'Pictype Viewer' 2>/dev/null | sort) == \"$2\" ]]"
}

# 501 keys' worth of a phrase repeated.
keys_501() {
  local text=''
  while ((${#text} < 501)); do text+=$1; done
  echo "${text:0:501}"
}

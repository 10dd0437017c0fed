# shellcheck shell=bash
# The tests' private X display, sourced by the window test and the scripts:
# one screen, larger than any window the tests make, frame included, which
# the window test makes smaller with RandR. It does not reset when its last
# client leaves, which would refuse the next one. `start_private_display`
# starts it once and exports DISPLAY; whoever starts it ends it (XVFB_PID).
start_private_display() {
  [ -n "${XVFB_PID:-}" ] && return 0
  local fifo number
  fifo=$(mktemp -u) && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r -t 20 number <"$fifo" || {
    echo "Xvfb did not start" >&2
    return 1
  }
  rm -f "$fifo"
  export DISPLAY=":$number"
}

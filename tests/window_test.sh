#!/usr/bin/env bash
# Runs the program on the X display in DISPLAY and looks at its window as a
# person does, for five of the cases: finds it by its title, checks where it
# opened, reads its pixels with xwd at three sizes for frame_check to judge,
# then closes it with the window manager's close message. The program must
# then have printed the case's output and end with status 0.
# A program whose name ends in .exe is a Windows one: Windows puts the
# window's frame, not its client area, where GLUT is told, and by wine's
# metrics the frame has a 4-pixel left edge and a top of 4 + 19.
# With SCALE=1.5 the program runs on a screen scaled to 150 % (which
# scripts/test makes for wine): once, as it opens, 1536 x 1050 at (150, 75)
# and wine's frame there (5, and 5 + 28), its points 6 pixels wide; a
# Windows program must say in its manifest that it draws at that scale.
# Usage: [SCALE=1.5] window_test.sh FRAME_CHECK CLOSE_WINDOW PROGRAM...
set -u
cases=$(cd "$(dirname "$0")/cases" && pwd)
frame_check=$1
close_window=$2
shift 2
printed=$(mktemp)
trap 'rm -f "$printed"' EXIT
failed=0
fail() {
  echo "FAILED${scene:+ $scene}: $*"
  failed=$((failed + 1))
}
scenes=(examples/{quadratic,tall,roomy,huge,tiny})
sizes=("1024 700" "500 700" "1180 400")
corner="100,50"
[[ ${*: -1} == *.exe ]] && corner="104,73"
if [ "${SCALE:-1}" = 1.5 ]; then
  scenes=(examples/quadratic) sizes=("1536 1050") corner="155,108"
  grep -q '<dpiAware[^>]*>true</dpiAware>' "${*: -1}" || fail "no DPI awareness in its manifest"
fi
for scene in "${scenes[@]}"; do
  timeout 60 "$@" <"$cases/$scene.answers" >"$printed" 2>/dev/null &
  program=$!
  # xdotool ends when a window it reads vanishes (wine's passing ones do): it looks again, for 60 s.
  # Each look waits in one connection, so that the X server never stands empty and resets.
  deadline=$((SECONDS + 60))
  until found=$(timeout 60 xdotool search --sync --onlyvisible --name '^Geometrija - prikaz zadatka$' \
    getwindowgeometry --shell 2>/dev/null) || [ $SECONDS -ge $deadline ]; do sleep 0.1; done
  [ -n "$found" ] || fail "no window showed"
  eval "$found"
  [ "${X:-},${Y:-}" = "$corner" ] || fail "the window opened at ${X:-},${Y:-}"
  # First as the window opened, then resized.
  for size in "${sizes[@]}"; do
    [ "$size" = "${sizes[0]}" ] || xdotool windowsize "${WINDOW:-0}" $size 2>/dev/null
    for _ in $(seq 100); do  # up to 5 s for a frame of that size that shows every probe
      framed=$(xwd -silent -id "${WINDOW:-0}" 2>/dev/null | xwdtopnm 2>/dev/null |
        "$frame_check" "$cases/$scene.answers" "${SCALE:-1}" 2>&1)
      [[ $framed == "${size/ / x }: wrong 0 "* ]] && break
      sleep 0.05
    done
    [[ $framed == "${size/ / x }:"* ]] || fail "no frame of ${size/ / x } showed: $framed"
    [[ $framed == *": wrong 0 "* ]] || fail "probes not in their colour: $framed"
    [[ $framed != *" blue 0 "* ]] || fail "no Blue edge to look at: $framed"
    [[ $framed != *" magenta 0" ]] || fail "no Magenta edge to look at: $framed"
  done
  "$close_window" "${WINDOW:-0}"
  wait "$program" || fail "status $? after the window closed"
  sed -z 's/\r\n/\n/g' "$printed" | cmp -s - "$cases/$scene.stdout" || fail "it printed another output"
  unset X Y WINDOW
done
echo "the window of $*: $failed failures"
[ "$failed" -eq 0 ]

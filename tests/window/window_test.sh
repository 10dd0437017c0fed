#!/usr/bin/env bash
# Runs the program on the X display in DISPLAY (without one, on a private
# display of its own) and looks at its window as a person does, on each screen below: makes the screen, runs the program on
# the cases, finds its window by its title, checks where it opened and how
# large, reads its pixels with xwd as it opened (and resized, where the row
# says) for frame_check to judge, then closes it with the window manager's
# close message. The program must then have printed the case's output and
# end with status 0. A program that ends before its window shows fails with
# its status and the last line it wrote on the error stream; one that runs
# with no window for 60 s fails as that.
# On X11 the screen's scale is Xft.dpi, and with no window manager, as here,
# a window has no frame. A program whose name ends in .exe is a Windows one:
# its scale is wine's LogPixels, it must say in its manifest that it draws at
# that scale, its window has the program's icon, and Windows puts the window's
# frame, not its client area, where GLUT is told; wine's frame is 4 pixels at
# the sides and the bottom and 23 at the top at 96 dpi, 5 and 33 at 144.
# Usage: window_test.sh FRAME_CHECK CLOSE_WINDOW PROGRAM...
set -u
here=$(cd "$(dirname "$0")" && pwd)
cases=$(cd "$here/../cases" && pwd)
frame_check=$1
close_window=$2
shift 2
printed=$(mktemp)
failed=0
fail() {
  echo "FAILED${screen:+ $screen${scene:+, $scene}}: $*"
  failed=$((failed + 1))
}

# Each screen, the first as the display starts: its size; its work area, the screen but a taskbar or a panel
# (x,y,w,h; - for all of it); its dots per inch (96: one to one); the cases;
# the sizes the window is then given; and where the client area must open
# and how large (x,y,w,h), for a Linux and for a Windows program.
screens=(
  "1920x1200 - 96 quadratic,tall,roomy,huge,tiny 500x700,1180x400 100,50,1024,700 104,73,1024,700"
  "1920x1200 - 144 quadratic - 150,75,1536,1050 155,108,1536,1050"
  "1920x1080 0,0,1920,1008 144 quadratic - 150,0,1378,942 155,33,1418,970"
  "1366x768 0,0,1366,728 96 quadratic - 100,0,1000,684 104,24,1024,700"
)
# The frame's left, top, right and bottom edges at each scale.
declare -A frames=([96]="0 0 0 0" [144]="0 0 0 0")
windows=$([[ ${*: -1} == *.exe ]] && echo 1)
if [ -n "$windows" ]; then
  frames=([96]="4 23 4 4" [144]="5 33 5 5")
  grep -q '<dpiAware[^>]*>true</dpiAware>' "${*: -1}" || fail "no DPI awareness in its manifest"
fi

# The screen's size (Xvfb's modes, added once a display), work area and scale.
make_screen() {
  # The work area first: wine reads it when told that the screen changed.
  [ "$2" = - ] && xprop -root -remove _NET_WORKAREA 2>/dev/null ||
    xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$2"
  xrandr --newmode "$1" 0 "${1%x*}" 0 0 0 "${1#*x}" 0 0 0 2>/dev/null
  xrandr --addmode screen "$1" 2>/dev/null
  xrandr --output screen --mode "$1"
  [ -n "$windows" ] &&
    "${@:4}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$3" /f >/dev/null
  xrdb -remove
  [ "$3" = 96 ] || [ -n "$windows" ] || echo "Xft.dpi: $3" | xrdb -merge
}
# Wine's desktop takes a new screen in its own time, and its programs read the
# screen and the work area from wine's registry, as the monitor's properties
# 3 and 4 of {233a9ef3-...} (left, top, right, bottom; x,y,w,h here): a
# program started before would be sized for the screen before. Waits until
# the registry holds $1 and $2, for up to 60 s.
wine_took() {
  local want got="" until=$((SECONDS + 60)) export
  want=$(printf '%s\n' "$1" "$2" | awk -F, '{ split($1 "," $2 "," $1 + $3 "," $2 + $4, v, ","); r = ""
    for (i = 1; i <= 4; i++) r = r sprintf("%02x,%02x,00,00%s", v[i] % 256, int(v[i] / 256), i < 4 ? "," : "")
    print "@=hex(ffff1003):" r }')
  export=$(mktemp)
  until [ "$got" = "$want" ] || [ $SECONDS -ge $until ]; do
    "${@:3}" regedit /E "Z:${export//\//\\}" 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Enum\DISPLAY' 2>/dev/null
    got=$(iconv -f UTF-16 -t UTF-8 "$export" | tr -d '\r' |
      sed -n '/{233a9ef3-afc4-4abd-b564-c32f21f1535b}\\000[34]\]$/{n;p}')
  done
  rm "$export"
  [ "$got" = "$want" ] || fail "wine did not take this screen ($1) and work area ($2) within 60 s"
}
# Two pixels of the window's largest icon (ARGB, as the window manager gets
# it, at a size that follows the scale): where the program's icon has an
# Orange point, and its light ground.
window_icon() {
  xprop -id "$1" -notype 32c _NET_WM_ICON | sed 's/^[^=]*= //' | awk -F', ' '{
    for (i = 1; i < NF; i += 2 + $i * $(i + 1)) if ($i > w) { w = $i; at = i + 2 }
    if (w) printf "%x %x\n", $(at + int(3 * w / 16) * w + int(w / 4)), $(at + int(3 * w / 4) * w + int(w / 2)) }'
}
# The geometry, as shell variables, of the window that the process $1 shows
# and xdotool finds by $2 (--name or --class) $3, once it shows; nothing,
# and a failure, when the process ends first or $4 s have passed. xdotool
# ends when a window it reads vanishes (wine's passing ones do): it looks again.
shown() {
  local until=$((SECONDS + $4)) found
  while kill -0 "$1" 2>/dev/null && [ $SECONDS -lt $until ]; do
    found=$(timeout 2 xdotool search --sync --onlyvisible "$2" "$3" getwindowgeometry --shell 2>/dev/null) &&
      echo "$found" && return 0
  done
  return 1
}
# Under wine: the first window waits until wine can show one, its notepad's,
# started again as long as it ends without one, for up to 120 s; then wine's
# own console, held open on the desktop that notepad made, keeps it for the
# whole test (wine closes its desktop a second after its last program ends,
# and a window that opens as it closes fails). One wine program at a time,
# and none as the desktop closes: a window that shows late is then not the
# program's fault, and wine that never gets ready is told as that.
wine_ready() {
  local until=$((SECONDS + 120)) notepad found="" held said
  while [ -z "$found" ] && [ $SECONDS -lt $until ]; do
    "$@" notepad >/dev/null 2>&1 &
    notepad=$!
    found=$(shown "$notepad" --class '^notepad\.exe$' $((until - SECONDS)))
    [ -n "$found" ] || { kill "$notepad" 2>/dev/null || sleep 1; }
  done
  [ -n "$found" ] || { echo "FAILED: wine showed no window of its own (notepad) in 120 s: wine is not ready"; return 1; }
  held=$(mktemp -u) && mkfifo "$held" && said=$(mktemp)
  "$@" cmd /k echo held <"$held" >"$said" 2>&1 &
  exec {keeper}>"$held"  # cmd reads it until the test ends
  rm "$held"
  until grep -q held "$said" || [ $SECONDS -ge $until ]; do sleep 0.1; done
  rm "$said"
  kill "$notepad"
  wait "$notepad" || true
}
# Without a display, on a private one of its own, which the first screen is.
if [ -z "${DISPLAY:-}" ]; then
  source "$here/display.sh"
  start_private_display || exit 1
fi
trap 'make_screen "${screens[0]%% *}" - 96 "${@:1:$#-1}"; rm -f "$printed" "${complaints:-}"; kill ${XVFB_PID:-} 2>/dev/null' EXIT

[ -z "$windows" ] || wine_ready "${@:1:$#-1}" || exit 1
complaints=$(mktemp)
for row in "${screens[@]}"; do
  read -r screen area dpi scenes resized opened opened_windows <<<"$row"
  scene=""
  make_screen "$screen" "$area" "$dpi" "${@:1:$#-1}"
  [ -n "$windows" ] && opened=$opened_windows
  IFS=, read -r _ _ w h <<<"$opened"
  read -r left top right bottom <<<"${frames[$dpi]}"
  IFS=, read -r ax ay aw ah <<<"${area/-/0,0,${screen/x/,}}"
  [ -z "$windows" ] || wine_took "0,0,${screen/x/,}" "$ax,$ay,$aw,$ah" "${@:1:$#-1}"
  scale=$(echo "$dpi" | awk '{print $1 / 96}')
  point=$(echo "$dpi" | awk '{print 4 * $1 / 96}')  # pixels wide, as the scale makes a point
  for scene in ${scenes//,/ }; do
    timeout 60 "$@" <"$cases/examples/$scene.answers" >"$printed" 2>"$complaints" &
    program=$!
    if ! found=$(shown "$program" --name '^Geometrija - prikaz zadatka$' 60); then
      if kill "$program" 2>/dev/null; then
        fail "no window showed in 60 s while it ran"
      else
        wait "$program"
        fail "it ended with status $? before its window showed: $(tail -n 1 "$complaints")"
      fi
      continue
    fi
    eval "$found"
    if [ -n "$windows" ]; then
      read -r orange ground <<<"$(window_icon "$WINDOW")"
      [ "${orange:-}" = ffff8000 ] || fail "its icon has no Orange point where the program's has: ${orange:-no icon}"
      [ "${ground:-}" = ffe6e6cc ] || fail "its icon has no light ground where the program's has: ${ground:-no icon}"
    fi
    [ "$X,$Y,$WIDTH,$HEIGHT" = "$opened" ] ||
      fail "the window opened at $X,$Y as $WIDTH x $HEIGHT, not at $opened"
    ((X - left >= ax && Y - top >= ay && X + WIDTH + right <= ax + aw && Y + HEIGHT + bottom <= ay + ah)) ||
      fail "its frame lies outside the work area $ax,$ay,$aw,$ah"
    # First as the window opened, then resized.
    for size in "${w}x$h" ${resized//[-,]/ }; do
      [ "$size" = "${w}x$h" ] || xdotool windowsize "$WINDOW" ${size/x/ } 2>/dev/null
      for _ in $(seq 100); do  # up to 5 s for a frame of that size that shows every probe
        framed=$(xwd -silent -id "$WINDOW" 2>/dev/null | xwdtopnm 2>/dev/null |
          "$frame_check" "$cases/examples/$scene.answers" "$scale" 2>&1)
        [[ $framed == "${size/x/ x }: wrong 0 "* ]] && break
        sleep 0.05
      done
      [[ $framed == "${size/x/ x }:"* ]] || fail "no frame of ${size/x/ x } showed: $framed"
      [[ $framed == *": wrong 0 "* ]] || fail "probes not in their colour: $framed"
      [[ $framed != *" blue 0 "* ]] || fail "no Blue edge to look at: $framed"
      [[ $framed != *" magenta 0 "* ]] || fail "no Magenta edge to look at: $framed"
      read -r narrowest widest <<<"${framed##* points }"
      [ "$narrowest" = "$point" ] || fail "its narrowest point is not $point pixels wide: $framed"
      [ "$widest" = "$point" ] || fail "its widest point is not $point pixels wide: $framed"
    done
    "$close_window" "$WINDOW"
    wait "$program" || fail "status $? after the window closed"
    [ -z "$windows" ] || sed -i -z 's/\r\n/\n/g' "$printed"
    cmp -s "$printed" "$cases/examples/$scene.stdout" || fail "it printed another output"
  done
done
echo "the window of $*: $failed failures"
[ "$failed" -eq 0 ]

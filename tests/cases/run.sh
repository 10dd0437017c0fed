#!/usr/bin/env bash
# Runs every case of this folder against one program, with no display.
# A case is NAME.answers, typed on standard input, and what the program must
# do with them: print NAME.stdout on standard output and NAME.stderr on
# standard error, and end with the status in NAME.status. After a complete
# dialogue the window cannot open, and the target says so in its own words,
# one more line on standard error: X11's freeglut, Windows' freeglut, or the
# program itself under Node.js; any other line fails the case. A Windows
# program's CR LF is read as LF; any other program must end its lines with
# LF alone.
# Usage: run.sh PROGRAM... (e.g. run.sh qemu-aarch64 build/arm64/geometrija)
set -u
cases=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
case "$*" in
  *.exe) no_window="freeglut \(.*\): Failed to create a window \(Geometrija - prikaz zadatka\)!" ;;
  node\ *) no_window="Greska: prozor ne moze da se prikaze jer Node\.js nema prozore\." ;;
  *) no_window="freeglut \(.*\): failed to open display ''" ;;
esac
ran=0
failed=0
fail() {
  echo "FAILED $name: $*"
  failed=$((failed + 1))
}
for answers in "$cases"/*/*.answers; do
  case=${answers%.answers}
  name=${case#"$cases"/}
  env -u DISPLAY -u WAYLAND_DISPLAY "$@" <"$answers" >"$out" 2>"$err"
  status=$?
  ran=$((ran + 1))
  [[ ${*: -1} != *.exe ]] || sed -i -z 's/\r\n/\n/g' "$out" "$err"
  cmp -s "$out" "$case.stdout" || fail "standard output differs:" "$(diff "$case.stdout" "$out" | head)"
  ours=$(stat -c %s "$case.stderr")
  head -c "$ours" "$err" | cmp -s - "$case.stderr" ||
    fail "standard error differs:" "$(diff "$case.stderr" "$err" | head)"
  after=$(tail -c +$((ours + 1)) "$err")
  if grep -qx "Greska: ulaz se zavrsio pre kraja dijaloga." "$case.stderr"; then
    [ -z "$after" ] || fail "standard error goes on after the input was cut short: $after"
  else
    [[ $after != *$'\n'* ]] && grep -qxE "$no_window" <<<"$after" ||
      fail "not the one line saying that no window can open: $after"
  fi
  [ "$status" -eq "$(cat "$case.status")" ] || fail "status $status"
done
# Nothing is held back: the first prompt arrives on a pipe while the program
# still waits for its first answer, not when the input ends.
name=prompt
coproc env -u DISPLAY -u WAYLAND_DISPLAY "$@" 2>/dev/null
program=$COPROC_PID  # bash forgets it once the program has ended
IFS= read -r -t 10 -N 31 shown <&"${COPROC[0]}"
[ "$shown" = "Unesite stepen Beizerove krive " ] || fail "nothing shown before the answer"
exec {COPROC[1]}>&-
wait "$program"
echo "$ran cases, $failed failed: $*"
[ "$failed" -eq 0 ]

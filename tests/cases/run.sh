#!/usr/bin/env bash
# Runs every case of this folder against one program, with no display.
# A case is NAME.answers, typed on standard input, and what the program must
# do with them: print NAME.stdout on standard output and NAME.stderr on
# standard error, and end with the status in NAME.status. After a complete
# dialogue the window cannot open, and the target says so in its own words
# (its GLUT, or the program itself under Node.js): one more line on standard
# error, which is not ours to compare.
# A program whose name ends in .exe is a Windows one: it ends its lines with
# CR LF, and each case is run twice, with the answers' lines ended with LF
# and with CR LF.
# Usage: run.sh PROGRAM... (e.g. run.sh qemu-aarch64 build-arm64/geometrija)
set -u
cases=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cut_short="Greska: ulaz se zavrsio pre kraja dijaloga."
ends=(LF)
windows=0
if [[ ${*: -1} == *.exe ]]; then
  ends=(LF "CR LF")
  windows=1
fi
# A text as the program must write it: with CR LF on Windows.
written() { if ((windows)); then sed -z 's/\n/\r\n/g' "$1"; else cat "$1"; fi; }

ran=0
failed=0
fail() {
  echo "FAILED $name${end:+ (answers ended with $end)}: $*"
  failed=$((failed + 1))
}
for answers in "$cases"/*/*.answers; do
  name=${answers#"$cases"/}
  name=${name%.answers}
  case=${answers%.answers}
  for end in "${ends[@]}"; do
    if [ "$end" = LF ]; then cp "$answers" "$work/in"; else sed -z 's/\n/\r\n/g' "$answers" >"$work/in"; fi
    env -u DISPLAY -u WAYLAND_DISPLAY "$@" <"$work/in" >"$work/out" 2>"$work/err"
    status=$?
    ran=$((ran + 1))
    written "$case.stdout" >"$work/expected"
    cmp -s "$work/out" "$work/expected" || fail "standard output differs:" \
      "$(diff "$work/expected" "$work/out" | head -n 20)"
    written "$case.stderr" >"$work/ours"
    ours=$(stat -c %s "$work/ours")
    head -c "$ours" "$work/err" | cmp -s - "$work/ours" || fail "standard error differs:" \
      "$(diff "$work/ours" "$work/err" | head -n 20)"
    # What follows our lines: nothing when the input was cut short, else one line.
    lines=$(tail -c +$((ours + 1)) "$work/err" | wc -l)
    after=$(tail -c +$((ours + 1)) "$work/err" | wc -c)
    if grep -qx "$cut_short" "$case.stderr"; then
      [ "$after" -eq 0 ] || fail "standard error goes on after the dialogue was cut short"
    else
      [ "$lines" -eq 1 ] || fail "$lines lines, not one, say that no window can open"
      [ "$after" -gt 1 ] || fail "nothing says that no window can open"
    fi
    [ "$status" -eq "$(cat "$case.status")" ] || fail "status $status"
  done
done
echo "$ran runs of the cases, $failed failed: $*"
[ "$failed" -eq 0 ]

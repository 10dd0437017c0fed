#!/usr/bin/env bash
# The Windows zip as a student unpacks it: the program alone, importing only
# Windows' own DLLs, saying what it is and which version (the zip's name's),
# with its icon in six sizes; the READMEs and the licence with CR LF line
# ends, the Serbian README in UTF-8 and marked so for every Notepad.
# Usage: zip.sh dist/geometrija-VERSION-windows-x64.zip
set -u
zip=$1 fails=0
version=${zip##*/geometrija-}
version=${version%-windows-x64.zip}
fail() {
  echo "FAILED: $zip: $*"
  fails=$((fails + 1))
}
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
archive=$(realpath "$zip")
(cd "$unpacked" && cmake -E tar xf "$archive") || fail "it does not unpack"
files=$(LC_ALL=C ls "$unpacked" | paste -s -d ' ')
[ "$files" = "LICENSE.txt README.en.txt README.txt geometrija.exe" ] || fail "it holds $files"
for text in README.txt README.en.txt LICENSE.txt; do
  ! grep -qv $'\r$' "$unpacked/$text" || fail "$text has a line without CR LF"
done
iconv -f UTF-8 -t UTF-8 "$unpacked/README.txt" >/dev/null 2>&1 || fail "README.txt is not UTF-8"
[ "$(head -c 3 "$unpacked/README.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
  fail "README.txt has no byte order mark"
exe=$unpacked/geometrija.exe
others=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' |
  grep -vixE '(kernel32|user32|gdi32|advapi32|winmm|opengl32|glu32|msvcrt)\.dll')
[ -z "$others" ] || fail "the program imports" $others
strings -e l "$exe" | grep -q 'MIT License$' || fail "the program does not say its licence"
strings -e l "$exe" | grep -qxF "$version" || fail "the program does not say its version $version"
wrestool -x -t14 -n GLUT_ICON -o "$unpacked/icon.ico" "$exe" 2>/dev/null
[ "$(icotool -l "$unpacked/icon.ico" 2>/dev/null | grep -c '^--icon')" = 6 ] ||
  fail "the program has no GLUT_ICON of six sizes"
echo "$zip, its $(stat -c %s "$exe")-byte geometrija.exe, READMEs and licence: $fails failures"
[ "$fails" -eq 0 ]

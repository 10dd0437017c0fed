#!/usr/bin/env bash
# The Serbian manual in Cyrillic and in Latin script say the same thing: the
# same requests in the same order (so the same sections, options and
# paragraphs), the same words of the program in bold, and the same examples
# and messages, which quote the program as it writes them.
# Usage: manuals.sh CYRILLIC LATIN
set -u
export LC_ALL=C.UTF-8
fails=0
# What must be the same in both: what a request kind keeps.
requests() { sed -n 's/^\(\.[A-Za-z]*\).*/\1/p' "$1"; }
bold() { grep -E '^\.B ' "$1"; }
verbatim() { sed -n '/^\.nf$/,/^\.fi$/p' "$1"; }
for part in requests bold verbatim; do
  if ! diff <("$part" "$1") <("$part" "$2") >/dev/null; then
    echo "$1 and $2: their $part differ:"
    diff <("$part" "$1") <("$part" "$2") | head -n 6
    fails=$((fails + 1))
  fi
done
# Each in its own script: every line of the Cyrillic one's running text (not
# its requests or examples) has a Cyrillic letter, and the Latin one none.
running() { sed -e '/^\.nf$/,/^\.fi$/d' -e "/^[.'@]/d" "$1"; }
running "$1" | grep -qvP '\p{Cyrillic}' && {
  echo "$1: running text without a Cyrillic letter:"
  running "$1" | grep -vP '\p{Cyrillic}' | head -n 3
  fails=$((fails + 1))
}
grep -qP '\p{Cyrillic}' "$2" && {
  echo "$2: Cyrillic letters in the Latin manual"
  fails=$((fails + 1))
}
echo "the Serbian manuals: $fails differences"
[ "$fails" -eq 0 ]

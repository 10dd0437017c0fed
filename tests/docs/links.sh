#!/usr/bin/env bash
# Every relative link of the Markdown files in the tree leads to a file or a
# folder of the tree. Usage: links.sh (from anywhere in the tree)
set -u
cd "$(git rev-parse --show-toplevel)" || exit 2
broken=0
while IFS= read -r page; do
  while IFS= read -r target; do
    path=$(realpath -m --relative-to=. "$(dirname "$page")/${target%%#*}")
    [ -n "$(git ls-files -- "$path")" ] || {
      echo "$page: no $target in the tree"
      broken=$((broken + 1))
    }
  done < <(grep -oE '\]\([^)#][^)]*\)' "$page" | sed -E 's/^\]\((.*)\)$/\1/' | grep -vE '^[a-z]+:')
done < <(git ls-files '*.md')
echo "links of the Markdown files: $broken broken"
[ "$broken" -eq 0 ]

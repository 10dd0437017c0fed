#!/usr/bin/env bash
# Debian's CI on a package: debian/tests, from this tree's files, on the
# package installed in a testbed unpacked afresh from TESTBED (a tarball).
# Prints each test's verdict, and the end of autopkgtest's log on a failure.
# Usage: autopkgtest.sh DEB TESTBED
set -u
tree=$(mktemp -d)
trap 'rm -rf "$tree" "$tree.log"' EXIT
git ls-files -z | tar c --null -T - | tar x -C "$tree"
autopkgtest -B "$1" "$tree/" -- unshare --tarball "$2" >"$tree.log" 2>&1
status=$?
sed -n '/@@@ summary$/,$p' "$tree.log" | tail -n +2
[ "$status" -eq 0 ] || tail -n 40 "$tree.log"
exit "$status"

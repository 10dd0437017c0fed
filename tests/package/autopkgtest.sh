#!/usr/bin/env bash
# Debian's CI on a package: debian/tests, from this tree's files, on the
# package installed in a testbed unpacked afresh from TESTBED (a tarball).
# Prints each test's verdict, and the end of autopkgtest's log on a failure.
# Usage: autopkgtest.sh DEB TESTBED; with neither, only whether it can run.
set -u
# The testbed is unpacked in a user namespace, which a plain chroot (or a
# container without them) cannot make; autopkgtest would then wait on its
# dead helper for ever.
unshare --user --map-root-user true 2>/dev/null || {
  echo "autopkgtest.sh: no user namespace can be made here (a plain chroot?), and autopkgtest's testbed needs one: run the deb stage on a machine of its own, or in a chroot entered with pivot_root as the debian13 stage does (scripts/lib.sh, in_debian13)" >&2
  exit 1
}
[ $# -gt 0 ] || exit 0
tree=$(mktemp -d)
trap 'rm -rf "$tree" "$tree.log"' EXIT
git ls-files -z | tar c --null -T - | tar x -C "$tree"
timeout --kill-after=30 900 autopkgtest -B "$1" "$tree/" -- unshare --tarball "$2" >"$tree.log" 2>&1
status=$?
[ "$status" -ne 124 ] || echo "autopkgtest.sh: autopkgtest did not end in 900 s, waiting on its testbed (autopkgtest-virt-unshare)" >&2
sed -n '/@@@ summary$/,$p' "$tree.log" | tail -n +2
[ "$status" -eq 0 ] || tail -n 40 "$tree.log"
exit "$status"
